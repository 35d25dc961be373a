#pragma once

#include <QWidget>

class QLabel;
class UrlOpener;
struct Config;

// The about window: the program's version, the operating system, the web and contact links.
class Acercade final : public QWidget {
    Q_OBJECT
  public:
    Acercade(const Config& cfg, UrlOpener& urls, QWidget* parent = nullptr);

    void Label2_Click();
    void Label3_Click();
    QLabel* label4() const { return m_label4; }

  private:
    UrlOpener& m_urls;
    QString m_web;
    QLabel* m_label4;
};
