#pragma once

#include <QDate>

// Today's date, injectable so that tests run on a fixed day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate d) : m_today(d) {}
    QDate today() const override { return m_today; }
    void set(QDate d) { m_today = d; }

private:
    QDate m_today;
};
