// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/intro/paginaaccessibile.h"

#include "screens/intro/pagina.h"

#include <QAccessibleWidget>

namespace {

// What a screen reader reads of the page: its paragraphs as plain text, each formula
// in its reading. The page is only shown: no caret, no selection.
class PaginaAccessibile : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    PaginaAccessibile(QWidget *pagina, const QString &testo)
        : QAccessibleWidget(pagina, QAccessible::StaticText), m_testo(testo)
    {
    }
    void *interface_cast(QAccessible::InterfaceType tipo) override
    {
        return tipo == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(tipo);
    }
    using QAccessibleWidget::text;
    QString text(int inizio, int fine) const override { return m_testo.mid(inizio, fine - inizio); }
    int characterCount() const override { return int(m_testo.size()); }
    void selection(int, int *inizio, int *fine) const override { *inizio = *fine = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *inizio, int *fine) const override
    {
        *inizio = 0;
        *fine = characterCount();
        return {};
    }

private:
    QString m_testo;
};

} // namespace

QAccessibleInterface *InterfacciaPagina(const QString &, QObject *oggetto)
{
    auto *pagina = qobject_cast<Pagina *>(oggetto);
    return pagina ? new PaginaAccessibile(pagina, pagina->lettura()) : nullptr;
}
