// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/lezione.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

const QString Formato = QStringLiteral("ordelio-lezione");
constexpr double Versione = 1;
constexpr qsizetype CurveMassime = 10000;
// Far beyond what the calibration screen sets, yet a height the plot can be drawn at.
constexpr double CalibrazioneMinima = 0.01, CalibrazioneMassima = 100;
constexpr double Qualsiasi = std::numeric_limits<double>::max();

// Reads the fields of a file, keeping the first thing wrong with it.
class Lettore
{
public:
    QString perche; // empty while all is well

    double numero(const QJsonObject &oggetto, const QString &chiave, double minimo, double massimo,
                  const QString &dove = {})
    {
        const QJsonValue valore = oggetto.value(chiave);
        const QString campo = QStringLiteral("«%1»%2").arg(chiave, dove);
        if (!perche.isEmpty())
            return 0;
        if (valore.isUndefined())
            perche = QStringLiteral("manca %1").arg(campo);
        else if (!valore.isDouble())
            perche = QStringLiteral("%1 non è un numero").arg(campo);
        // Not a number fails both comparisons.
        else if (!(valore.toDouble() >= minimo && valore.toDouble() <= massimo))
            perche = QStringLiteral("%1 è fuori misura").arg(campo);
        return perche.isEmpty() ? valore.toDouble() : 0;
    }

    std::int16_t colore(const QJsonObject &oggetto, int minimo, const QString &dove = {})
    {
        const double valore = numero(oggetto, QStringLiteral("colore"), minimo, 15, dove);
        if (perche.isEmpty() && valore != std::floor(valore))
            perche = QStringLiteral("«colore»%1 non è un numero intero").arg(dove);
        return std::int16_t(valore);
    }
};

QString MotivoDelTesto(const QJsonParseError &errore, qsizetype lunghezza)
{
    if (errore.error == QJsonParseError::DeepNesting)
        return QStringLiteral("il testo ha troppi livelli uno dentro l'altro");
    if (errore.offset >= lunghezza)
        return QStringLiteral("il testo si interrompe prima della fine");
    return QStringLiteral("il testo non è valido dal carattere %1").arg(errore.offset + 1);
}

} // namespace

QByteArray Lezione::scrivi() const
{
    QJsonArray elenco;
    for (const Curva &curva : curve) {
        const CostantiCurva &c = curva.costanti;
        elenco.append(QJsonObject{{QStringLiteral("a"), c.Va},
                                  {QStringLiteral("b"), c.Vb},
                                  {QStringLiteral("c"), c.Vc},
                                  {QStringLiteral("d"), c.Vd},
                                  {QStringLiteral("e"), c.Ve},
                                  {QStringLiteral("colore"), c.colore},
                                  {QStringLiteral("calibrazione"), curva.calibrazione}});
    }
    const QJsonObject lezione{{QStringLiteral("formato"), Formato},
                              {QStringLiteral("versione"), Versione},
                              {QStringLiteral("calibrazione"), calibrazione},
                              {QStringLiteral("colore"), colore},
                              {QStringLiteral("curve"), elenco}};
    return QJsonDocument(lezione).toJson(QJsonDocument::Indented);
}

std::optional<Lezione> Lezione::leggi(const QByteArray &dati, const QString &nome, QString &messaggio)
{
    const auto danneggiato = [&](const QString &perche) {
        messaggio = QStringLiteral("Il file «%1» è danneggiato: %2.").arg(nome, perche);
        return std::nullopt;
    };
    if (dati.size() > DimensioneMassima)
        return danneggiato(QStringLiteral("è troppo grande per una lezione"));
    QJsonParseError errore;
    const QJsonDocument documento = QJsonDocument::fromJson(dati, &errore);
    const QJsonObject radice = documento.object();
    // A lesson cut short still names its format near the start.
    if (errore.error != QJsonParseError::NoError && dati.contains(Formato.toUtf8()))
        return danneggiato(MotivoDelTesto(errore, dati.size()));
    if (errore.error != QJsonParseError::NoError || radice.value(QStringLiteral("formato")) != Formato) {
        messaggio = QStringLiteral("Il file «%1» non è una lezione di Ordelio.").arg(nome);
        return std::nullopt;
    }

    Lettore lettore;
    const double versione = lettore.numero(radice, QStringLiteral("versione"), 1, Qualsiasi);
    if (lettore.perche.isEmpty() && versione > Versione) {
        messaggio = QStringLiteral("Il file «%1» è di una versione più recente di Ordelio.").arg(nome);
        return std::nullopt;
    }
    if (lettore.perche.isEmpty() && versione != Versione)
        lettore.perche = QStringLiteral("«versione» non è un numero intero");
    Lezione lezione;
    lezione.calibrazione =
        lettore.numero(radice, QStringLiteral("calibrazione"), CalibrazioneMinima, CalibrazioneMassima);
    lezione.colore = lettore.colore(radice, 0);
    const QJsonValue curve = radice.value(QStringLiteral("curve"));
    if (lettore.perche.isEmpty() && !curve.isArray())
        lettore.perche = QStringLiteral("«curve» non è un elenco di curve");
    else if (lettore.perche.isEmpty() && curve.toArray().size() > CurveMassime)
        lettore.perche = QStringLiteral("ha più di %1 curve").arg(CurveMassime);
    const QJsonArray elenco = curve.toArray();
    for (qsizetype i = 0; lettore.perche.isEmpty() && i < elenco.size(); ++i) {
        const QString dove = QStringLiteral(" della curva %1").arg(i + 1);
        if (!elenco[i].isObject()) {
            lettore.perche = QStringLiteral("la curva %1 non è scritta come una curva").arg(i + 1);
            break;
        }
        const QJsonObject o = elenco[i].toObject();
        const auto costante = [&](const char *chiave) {
            return lettore.numero(o, QString::fromLatin1(chiave), -Qualsiasi, Qualsiasi, dove);
        };
        Curva curva{{costante("a"), costante("b"), costante("c"), costante("d"), costante("e"), 0}, 0};
        curva.costanti.colore = lettore.colore(o, 1, dove);
        curva.calibrazione =
            lettore.numero(o, QStringLiteral("calibrazione"), CalibrazioneMinima, CalibrazioneMassima, dove);
        lezione.curve.push_back(curva);
    }
    if (!lettore.perche.isEmpty())
        return danneggiato(lettore.perche);
    return lezione;
}
