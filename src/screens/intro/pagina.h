// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/intro/documento.h"

#include <QFrame>
#include <QRectF>

// The view of the explanatory page. It draws the page at its natural size from its
// own top-left corner; what does not fit is cut off at its edges.
class Pagina : public QFrame
{
    Q_OBJECT
public:
    explicit Pagina(QWidget *contenitore = nullptr);

    // The page's text as a screen reader reads it, a paragraph a line.
    QString lettura() const;
    // Draws the page from the painter's origin.
    void disegna(QPainter &pittore) const;

protected:
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    // A run of body text or a formula, with the origin of its baseline.
    struct Posto
    {
        QPointF origine;
        QString testo;
        formule::Pezzo formula;
    };
    static QList<Posto> disponi(const QList<Paragrafo> &documento);

    QList<Paragrafo> m_documento;
    QList<Posto> m_posti; // every run of the page, laid out
};
