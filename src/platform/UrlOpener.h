#pragma once

#include <QString>

// Opens a web address in the user's default browser.
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
  public:
    void open(const QString& url) override;
};
