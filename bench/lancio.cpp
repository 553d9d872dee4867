// SPDX-License-Identifier: GPL-3.0-or-later
#include "lancio.h"

#include "misure.h"

#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

bool lancia(const char *programma, std::vector<std::string> argomenti, Rapporto &rapporto, long long &avvioNs,
            std::string &errore)
{
    int tubo[2];
    if (pipe(tubo) != 0) {
        errore = "pipe";
        return false;
    }
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&azioni, tubo[0]);
    std::vector<char *> argv{const_cast<char *>(programma)};
    for (std::string &a : argomenti)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    avvioNs = misure::orologioNs(); // the clock the helpers report on
    pid_t figlio = 0;
    const int esito = posix_spawn(&figlio, programma, &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    if (esito != 0) {
        close(tubo[0]);
        errore = std::string("avvio di ") + programma + ": " + std::strerror(esito);
        return false;
    }
    std::string uscita;
    char blocco[256];
    for (ssize_t letti; (letti = read(tubo[0], blocco, sizeof blocco)) > 0;)
        uscita.append(blocco, size_t(letti));
    close(tubo[0]);
    int stato = 0;
    waitpid(figlio, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0
        || std::sscanf(uscita.c_str(), "dipinto_ns=%lld picco_kB=%lld", &rapporto.dipintoNs, &rapporto.piccoKb) != 2) {
        errore = std::string(programma) + " non ha riferito: " + uscita;
        return false;
    }
    return true;
}
