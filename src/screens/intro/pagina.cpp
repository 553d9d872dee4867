// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/intro/pagina.h"

#include "screens/intro/caratteri.h"
#include "surface/twips.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace {

// Lines start 600 twips in from the left; tab stops every half inch from there.
constexpr qreal Margine = 600.0 / TwipsPerPixel;
constexpr qreal PassoTab = 720.0 / TwipsPerPixel;

// Positions are compared in whole twips, so text that ends on a stop moves on to
// the next one ("\tDove \t" ends exactly on the third).
qreal prossimoTab(qreal x)
{
    const qreal twips = std::round((x - Margine) * TwipsPerPixel);
    return Margine + (std::floor(twips / (PassoTab * TwipsPerPixel)) + 1) * PassoTab;
}

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

QAccessibleInterface *accessibile(const QString &, QObject *oggetto)
{
    auto *pagina = qobject_cast<Pagina *>(oggetto);
    return pagina ? new PaginaAccessibile(pagina, pagina->lettura()) : nullptr;
}

} // namespace

Pagina::Pagina(QWidget *contenitore) : QFrame(contenitore), m_documento(Documento())
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setFocusPolicy(Qt::StrongFocus);
    // Before anything asks for the page's accessible interface, which is then kept.
    static const bool installata = (QAccessible::installFactory(accessibile), true);
    Q_UNUSED(installata);
    setAccessibleName(QStringLiteral("Pagina introduttiva"));
    setAutoFillBackground(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, Qt::white);
    tavolozza.setColor(QPalette::WindowText, Qt::black);
    setPalette(tavolozza);
}

QList<Pagina::Posto> Pagina::disponi(const Paragrafo &paragrafo) const
{
    const QFontMetricsF metrica(CarattereCorpo());
    // The line is as tall as its tallest formula, and at least as the body text.
    qreal su = metrica.ascent();
    for (const formule::Pezzo &formula : paragrafo.formule())
        su = std::max(su, formula->su());
    const qreal base = paragrafo.alto / qreal(TwipsPerPixel) + su;

    QList<Posto> posti;
    qreal x = Margine;
    for (const Parte &parte : paragrafo.parti) {
        if (const auto *formula = std::get_if<formule::Pezzo>(&parte)) {
            posti.append({QPointF(x, base), {}, *formula, (*formula)->larghezza()});
            x += (*formula)->larghezza();
            continue;
        }
        const QStringList campi = std::get<QString>(parte).split(QLatin1Char('\t'));
        for (qsizetype n = 0; n < campi.size(); ++n) {
            if (n > 0)
                x = prossimoTab(x);
            const qreal larghezza = metrica.horizontalAdvance(campi[n]);
            if (!campi[n].isEmpty())
                posti.append({QPointF(x, base), campi[n], nullptr, larghezza});
            x += larghezza;
        }
    }
    return posti;
}

QString Pagina::lettura() const
{
    QStringList paragrafi;
    for (const Paragrafo &paragrafo : m_documento)
        if (const QString testo = paragrafo.lettura(); !testo.isEmpty())
            paragrafi << testo;
    return paragrafi.join(QLatin1Char('\n'));
}

void Pagina::disegna(QPainter &pittore) const
{
    pittore.save();
    pittore.setPen(Qt::black);
    const QFont corpo = CarattereCorpo();
    for (const Paragrafo &paragrafo : m_documento) {
        for (const Posto &posto : disponi(paragrafo)) {
            if (posto.formula) {
                posto.formula->disegna(pittore, posto.origine);
            } else {
                pittore.setFont(corpo);
                pittore.drawText(posto.origine, posto.testo);
            }
        }
    }
    pittore.restore();
}

void Pagina::paintEvent(QPaintEvent *evento)
{
    {
        QPainter pittore(this);
        pittore.setClipRect(rect());
        disegna(pittore);
    }
    QFrame::paintEvent(evento);
}

void Pagina::keyPressEvent(QKeyEvent *evento)
{
    // The page is only shown: Enter on it does nothing, and goes no further.
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        evento->accept();
        return;
    }
    QFrame::keyPressEvent(evento);
}
