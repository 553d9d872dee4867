// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Prints the usual table, then each figure against its floor and its target. Figures
// are found by their benchmark's own name, whatever its iterations or unit; a figure
// that is missing (a benchmark failed, was filtered out or renamed) is said, and
// makes `completo()` false.
class Confronto : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &corse) override;
    void Finalize() override;

    bool completo() const { return m_mancanti.empty(); }

private:
    double tempo(const std::string &nome);
    double picco(const std::string &nome);
    double cerca(const std::map<std::string, double> &figure, const std::string &nome);
    static void riga(const char *nome, double figura, double pavimento, double obiettivo, const char *unita);

    std::map<std::string, double> m_tempi;  // microseconds
    std::map<std::string, double> m_picchi; // kB
    std::string m_mancanti;
};
