#pragma once

#include <QPixmap>
#include <QTimer>
#include <QVector>
#include <QWidget>

class QLabel;
class QPushButton;

// The splash window: eight pictures in turn, one every 150 ms, then "Entrar"; it enters
// by itself when its tick counter reaches 60.
class Presentacion : public QWidget {
    Q_OBJECT
public:
    explicit Presentacion(QWidget* parent = nullptr);

    void Timer1_Timer();
    void Command1_Click();

    int fotograma() const { return m_fotograma; }
    int tiempo() const { return m_tiempo; }
    QTimer& timer1() { return m_timer1; }
    QPixmap picture() const;

signals:
    // The user (or the tick counter) asked to enter the main window.
    void entrar();

private:
    QVector<QPixmap> m_imageList1;
    QLabel* m_picture;
    QPushButton* m_command1;
    QTimer m_timer1;
    int m_fotograma = 1;
    int m_tiempo = 2;
};
