// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the helper programs report to the benchmark that launched them: one line on
// standard output, read through a pipe.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <functional>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace misure {

inline long long orologioNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t); // one clock for every process of the machine
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Peak resident memory of this process so far, in kB.
inline long long piccoKb()
{
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray riga = stato.readLine(); !riga.isEmpty(); riga = stato.readLine())
        if (riga.startsWith("VmHWM:"))
            return riga.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Reports and leaves at once: tearing the program down is not part of what is measured.
[[noreturn]] inline void riferisciEdEsci(long long dipintoNs)
{
    std::printf("dipinto_ns=%lld picco_kB=%lld\n", dipintoNs, piccoKb());
    std::fflush(stdout);
    _exit(0);
}

// Watches a window for its first paint. The time is taken on the next turn of the
// event loop, once the painted frame has also been handed to the window system.
class PrimoDipinto : public QObject
{
public:
    // `nome`: the object name of the window to watch, when the filter sees them all.
    explicit PrimoDipinto(std::function<void(long long)> poi, QString nome = {})
        : m_poi(std::move(poi)), m_nome(std::move(nome))
    {
    }

    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && !m_visto && (m_nome.isEmpty() || oggetto->objectName() == m_nome)) {
            m_visto = true;
            QTimer::singleShot(0, this, [this] { m_poi(orologioNs()); });
        }
        return false;
    }

private:
    std::function<void(long long)> m_poi;
    QString m_nome;
    bool m_visto = false;
};

} // namespace misure
