#pragma once

#include <QWidget>

class Descarga;
class QLabel;
class QProgressBar;

// The download strip: the picture that starts a download, its progress bar and the
// status texts, mirroring the download's state.
class DescargaStrip : public QWidget {
    Q_OBJECT
  public:
    explicit DescargaStrip(Descarga& descarga, QWidget* parent = nullptr);

    QLabel* picture2() const { return m_picture2; }
    QProgressBar* progressBar1() const { return m_progress; }
    QLabel* label6() const { return m_label6; }
    QLabel* label58() const { return m_label58; }
    QLabel* label59() const { return m_label59; }

    // Picture 1 while the pointer is inside the picture's inner rectangle, else picture 2.
    void Picture2_MouseMove(const QPoint& p);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refrescar();

    Descarga& m_descarga;
    QLabel* m_picture2;
    QProgressBar* m_progress;
    QLabel* m_label6;
    QLabel* m_label58;
    QLabel* m_label59;
    int m_imagenMostrada = 0;
};
