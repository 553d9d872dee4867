// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The program's message box: modal, the text, one OK button, no icon, titled with
// the application title. Returns when the user closes it.
void MsgBox(const QString &testo, QWidget *sopra = nullptr);

inline const QString TitoloApplicazione = QStringLiteral("Ordelio");
