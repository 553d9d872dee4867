// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/intro/documento.h"

#include "screens/intro/caratteri.h"

using namespace formule;

namespace {

// Room in the formulas: either side of a sign or a function's name, after the comma
// between two arguments, between a function's name and its bracket.
constexpr qreal AttornoAlSegno = 0.12 * Em;
constexpr qreal DopoLaVirgola = 0.17 * Em;
constexpr qreal PrimaDellaQuadra = 0.1 * Em;

// Variables and Greek letters are italic; digits, signs and words upright.
Pezzo variabile(const QString &testo)
{
    return Testo(testo, CarattereFormule(12, Forma::Corsiva));
}
Pezzo diritto(const QString &testo)
{
    return Testo(testo, CarattereFormule(12, Forma::Diritta));
}
Pezzo indice(const QString &testo)
{
    return Testo(testo, CarattereFormule(7, Forma::Diritta));
}

// A sign or a function's name, upright, with room either side.
Pezzo segno(const QString &segno)
{
    return Riga({Spazio(AttornoAlSegno), diritto(segno), Spazio(AttornoAlSegno)});
}
Pezzo quadrato(Pezzo base)
{
    return Indici(std::move(base), nullptr, indice(QStringLiteral("2")));
}
Pezzo alfa(const QString &n)
{
    return Indici(variabile(QStringLiteral("α")), indice(n), nullptr);
}

// The segment OA, or OA₁, OA₂, with its bar.
Pezzo oa(const QString &n = {})
{
    const Pezzo lettere = variabile(QStringLiteral("OA"));
    return Barra(n.isEmpty() ? lettere : Indici(lettere, indice(n), nullptr));
}

Pezzo effeDiAlfa(const QString &n)
{
    return Riga({variabile(QStringLiteral("f")), diritto(QStringLiteral("(")), alfa(n), diritto(QStringLiteral(")"))});
}

// f(x,y) = f[ f(α₁), f(α₂) ]
Pezzo formula1()
{
    const Pezzo argomenti = Riga({effeDiAlfa(QStringLiteral("1")), diritto(QStringLiteral(",")), Spazio(DopoLaVirgola),
                                  effeDiAlfa(QStringLiteral("2"))});
    return Riga({variabile(QStringLiteral("f")), diritto(QStringLiteral("(")), variabile(QStringLiteral("x")),
                 diritto(QStringLiteral(",")), variabile(QStringLiteral("y")), diritto(QStringLiteral(")")),
                 segno(QStringLiteral("=")), variabile(QStringLiteral("f")), Spazio(PrimaDellaQuadra),
                 Quadre(argomenti)});
}

// The two components of OA, then OA² as the sum of their squares.
Pezzo formula2()
{
    const auto componente = [](const QString &funzioneDiFi, const QString &n) {
        return Riga({oa(), segno(funzioneDiFi), variabile(QStringLiteral("ϕ")), segno(QStringLiteral("=")), oa(n)});
    };
    return Riga({Graffa({componente(QStringLiteral("cos"), QStringLiteral("1")),
                         componente(QStringLiteral("sin"), QStringLiteral("2"))}),
                 diritto(QStringLiteral("        quindi      ")), quadrato(oa()), segno(QStringLiteral("=")),
                 quadrato(oa(QStringLiteral("1"))), segno(QStringLiteral("+")), quadrato(oa(QStringLiteral("2")))});
}

// Each component as the point of its ellipse.
Pezzo formula3()
{
    const auto ellisse = [](const QString &n, const QString &lettera) {
        const auto termine = [&](const QString &asse, const QString &funzioneDiAlfa) {
            return quadrato(Riga({diritto(QStringLiteral("(")), variabile(asse), segno(funzioneDiAlfa), alfa(n),
                                  diritto(QStringLiteral(")"))}));
        };
        return Riga({quadrato(oa(n)), segno(QStringLiteral("=")),
                     diritto(QStringLiteral("ELLISSE\u2009 %1\u2009").arg(lettera)), segno(QStringLiteral("=")),
                     termine(QStringLiteral("q"), QStringLiteral("cos")), segno(QStringLiteral("+")),
                     termine(QStringLiteral("m"), QStringLiteral("sin"))});
    };
    return Graffa(
        {ellisse(QStringLiteral("1"), QStringLiteral("A")), ellisse(QStringLiteral("2"), QStringLiteral("B"))});
}

// α₂ / α₁ = d
Pezzo formula4()
{
    return Riga({Frazione(alfa(QStringLiteral("2")), alfa(QStringLiteral("1"))), segno(QStringLiteral("=")),
                 variabile(QStringLiteral("d"))});
}

QList<Paragrafo> componiPagina()
{
    QList<Paragrafo> pagina = {
        {240, {QStringLiteral("PROGRAMMA: Caso "), formula1()}},
        {548, {}},
        {820, {QStringLiteral("Se il vettore di una figura è a sua volta rappresentato")}},
        {1085, {QStringLiteral("dai vettori di due altre figure talchè:")}},
        {1425, {formula2()}},
        {2180, {QStringLiteral("\tDove \t"), formula3()}},
        {3000, {}},
        {3420, {QStringLiteral("e sia anche il rapporto tra gli angoli "), formula4(), QStringLiteral(": ")}},
        {4075, {QStringLiteral("avremo le curve dedotte dal programma")}},
    };
    // Blank lines to the foot of the page, the last holding one tab.
    constexpr int Interlinea = 272;
    for (int n = 1; n <= 8; ++n)
        pagina.append(Paragrafo{4075 + n * Interlinea, {}});
    pagina.last().parti = {QStringLiteral("\t")};
    return pagina;
}

} // namespace

QString Paragrafo::lettura() const
{
    QString risultato;
    for (const Parte &parte : parti) {
        if (const auto *testo = std::get_if<QString>(&parte))
            risultato += *testo;
        else
            risultato += QLatin1Char(' ') + std::get<Pezzo>(parte)->testo() + QLatin1Char(' ');
    }
    return risultato.simplified();
}

QList<Pezzo> Paragrafo::formule() const
{
    QList<Pezzo> risultato;
    for (const Parte &parte : parti)
        if (const auto *formula = std::get_if<Pezzo>(&parte))
            risultato << *formula;
    return risultato;
}

QList<Paragrafo> Documento()
{
    return componiPagina();
}
