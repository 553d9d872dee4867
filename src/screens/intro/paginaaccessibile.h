// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

// The accessible interface of a Pagina, for QAccessible::installFactory: the page as
// plain text, a paragraph a line; null for any other object.
QAccessibleInterface *InterfacciaPagina(const QString &chiave, QObject *oggetto);
