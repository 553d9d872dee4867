// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the helper programs report to the benchmark that launched them: one line on
// standard output, "dipinto_ns=… picco_kB=…".

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace misure {

// One clock for every process of the machine (CLOCK_MONOTONIC).
inline long long orologioNs()
{
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}

// A line of /proc/self/status in kB: "VmHWM:" the peak resident memory, "VmRSS:" the present.
inline long long statoKb(const char *voce)
{
    QFile stato(QStringLiteral("/proc/self/status"));
    if (stato.open(QIODevice::ReadOnly))
        for (QByteArray riga = stato.readLine(); !riga.isEmpty(); riga = stato.readLine())
            if (riga.startsWith(voce))
                return riga.mid(int(qstrlen(voce))).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Reports and leaves at once: tearing the program down is not part of what is measured.
[[noreturn]] inline void riferisciEdEsci(long long dipintoNs)
{
    std::printf("dipinto_ns=%lld picco_kB=%lld\n", dipintoNs, statoKb("VmHWM:"));
    std::fflush(stdout);
    _exit(0);
}

// Reports once a window (any, or the one of this object name) has first painted. The time
// is taken on the next turn of the event loop, once the frame has gone to the window system.
class PrimoDipinto : public QObject
{
public:
    explicit PrimoDipinto(QString nome = {}) : m_nome(std::move(nome)) {}
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && (m_nome.isEmpty() || oggetto->objectName() == m_nome))
            QTimer::singleShot(0, [] { riferisciEdEsci(orologioNs()); });
        return false;
    }

private:
    QString m_nome;
};

} // namespace misure
