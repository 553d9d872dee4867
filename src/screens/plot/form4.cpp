// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/plot/form4.h"

#include "app/schermi.h"
#include "screens/calibration/form2.h"
#include "screens/constants/form3.h"
#include "screens/plot/curva.h"
#include "screens/plot/foglio.h"
#include "surface/controlli.h"
#include "surface/esporta.h"
#include "surface/gradi.h"
#include "surface/messaggio.h"
#include "surface/palette.h"
#include "surface/pulsante.h"
#include "surface/twips.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSettings>

#include <utility>

namespace {

// The plot in user units: 200 across, the vertical axis 10 right of the middle.
constexpr float Larghezza = 200;
constexpr float Spostamento = 10;

const QString ChiaveProiettore = QStringLiteral("proiettore");

// The program's settings, kept under its name (a test program's under its own, so that no
// test reads the user's); a run that changes none writes no file.
QSettings Impostazioni()
{
    return QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName());
}

} // namespace

Form4::Form4() : Schermo(QStringLiteral("Form4"), Twips(0, 0, 10605, 6780).size(), Apertura::Massimizzata)
{
    setAccessibleDescription(QStringLiteral("Disegno delle curve"));
    Command3 = Crea<Pulsante>(QStringLiteral("ESCI"), this, Twips(960, 1800, 1695, 615));
    Command2 = Crea<Pulsante>(QStringLiteral("Cancella e riprendi"), this, Twips(3000, 720, 1695, 615));
    Command1 = Crea<Pulsante>(QStringLiteral("RIPRENDI"), this, Twips(960, 720, 1695, 615));
    OrdineDiTabulazione({Command3, Command2, Command1});
    Command3->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);

    m_menu = new QMenu(this);
    m_menu->addAction(
        Azione(QStringLiteral("Copia la figura"), QKeySequence(Qt::CTRL | Qt::Key_C), &Form4::CopiaLaFigura));
    m_menu->addAction(
        Azione(QStringLiteral("Salva la figura…"), QKeySequence(Qt::CTRL | Qt::Key_S), &Form4::SalvaLaFigura));
    m_menu->addAction(Azione(QStringLiteral("Stampa…"), QKeySequence(Qt::CTRL | Qt::Key_P), &Form4::Stampa));
    m_intestazione = m_menu->addAction(QStringLiteral("Intestazione con le costanti (stampa e PDF)"));
    m_intestazione->setCheckable(true);
    m_intestazione->setChecked(true);
    m_menu->addSeparator();
    m_menu->addAction(
        Azione(QStringLiteral("Mostra come nasce la curva"), QKeySequence(Qt::Key_F5), &Form4::MostraComeNasce));
    m_menu->addSeparator();
    m_menu->addAction(Azione(QStringLiteral("Salva la lezione…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                             &Form4::SalvaLaLezione));
    m_menu->addAction(
        Azione(QStringLiteral("Apri una lezione…"), QKeySequence(Qt::CTRL | Qt::Key_O), &Form4::ApriUnaLezione));
    m_menu->addSeparator();
    m_proiettore = Azione(QStringLiteral("Modalità proiettore"), QKeySequence(Qt::Key_F6), &Form4::CambiaProiettore);
    m_proiettore->setCheckable(true);
    m_proiettore->setChecked(Impostazioni().value(ChiaveProiettore).toBool());
    m_menu->addAction(m_proiettore);
    TastiDellAnimazione();
}

QAction *Form4::Azione(const QString &testo, const QKeySequence &tasto, void (Form4::*gestore)())
{
    auto *azione = new QAction(testo, this);
    azione->setShortcut(tasto);
    azione->setShortcutContext(Qt::WindowShortcut);
    connect(azione, &QAction::triggered, this, gestore);
    addAction(azione);
    return azione;
}

void Form4::TastiDellAnimazione()
{
    const auto tasto = [this](QList<QKeySequence> tasti, auto gestore) {
        auto *azione = new QAction(this);
        azione->setShortcuts(tasti);
        connect(azione, &QAction::triggered, this, gestore);
        m_tastiAnimazione.append(azione);
    };
    tasto({Qt::Key_Escape}, [this] { FermaAnimazione(); });
    tasto({Qt::Key_Space}, [this] { m_animazione.pausa(); });
    tasto({Qt::Key_Left, Qt::Key_Down}, [this] { m_animazione.passo(-1); });
    tasto({Qt::Key_Right, Qt::Key_Up}, [this] { m_animazione.passo(1); });
    tasto({Qt::Key_Plus, Qt::Key_Equal}, [this] { m_animazione.piuVeloce(); });
    tasto({Qt::Key_Minus}, [this] { m_animazione.piuLento(); });
    connect(&m_animazione, &Animazione::cambiata, this, qOverload<const QRect &>(&QWidget::update));
    connect(&m_animazione, &Animazione::descritta, this, &Schermo::DescriviDisegno);
}

void Form4::Form_Activate()
{
    if (m_lezioneInAttesa)
        return MostraLezione(*std::exchange(m_lezioneInAttesa, std::nullopt));
    P1 = GradoInRadianti;
    const ::Form3 &costanti = app::Form3();
    Va = costanti.VALa;
    Vb = costanti.VALb;
    Vc = costanti.VALc;
    Vd = costanti.VALd;
    Ve = costanti.VALe;
    Assi(app::Form2().Incr.value_or(0));
    CALCOLA();
}

void Form4::Assi(double Incr)
{
    setScaleMode(Scala::Centimetri);
    setDrawWidth(proiettore() ? 4 : 2); // 4 keeps the dots' centres where the 2-pixel ones have them
    std::tie(CX, CY) = ScalaEAssi(Larghezza, Incr, Spostamento);
}

void Form4::CALCOLA()
{
    // A box rejected since the last "AVANTI" leaves no number to draw with: this
    // activation draws the axes only, and the next accepted "AVANTI" draws again.
    const double *a = std::get_if<double>(&Va), *b = std::get_if<double>(&Vb), *c = std::get_if<double>(&Vc),
                 *d = std::get_if<double>(&Vd), *e = std::get_if<double>(&Ve);
    if (!a || !b || !c || !d || !e) {
        m_tracciati.aggiungi(TracciatoAttuale());
        return;
    }

    ::Form3 &costanti = app::Form3();
    costanti.Miocolor = ColoreSeguente(costanti.Miocolor);
    Traccia(CostantiCurva{*a, *b, *c, *d, *e, costanti.Miocolor});
}

// One more curve, told to assistive technology.
void Form4::Traccia(const CostantiCurva &curva)
{
    const int dentro = Punti(curva);
    ++m_curve;
    DescriviCurve(curva, dentro);
}

// One curve's dots in its colour, at the scale set last; how many are within the axes.
int Form4::Punti(const CostantiCurva &curva)
{
    Tracciato tracciato = TracciatoAttuale();
    tracciato.curva = curva;
    const QColor colore = tracciato.colore();
    int dentro = 0;
    for (int Alfa = 0; Alfa <= 360; ++Alfa)
        if (const PuntoCurva p = tracciato.punto(Alfa); p.dentro) {
            PSet(p.x, p.y, colore);
            ++dentro;
        }
    m_tracciati.aggiungi(tracciato);
    return dentro;
}

bool Form4::proiettore() const
{
    return m_proiettore->isChecked();
}

void Form4::CambiaProiettore()
{
    Impostazioni().setValue(ChiaveProiettore, proiettore());
    DisegnaDiNuovo();
}

void Form4::setProiettore(bool acceso)
{
    m_proiettore->setChecked(acceso);
    DisegnaDiNuovo();
}

// What the plot holds, drawn again as the mode draws it: the same drawings in the same
// order at their own calibrations, as they were drawn, so that the mode turned off
// gives back the very pixels it found.
void Form4::DisegnaDiNuovo()
{
    FermaAnimazione();
    const std::vector<Tracciato> elenco = m_tracciati.elenco();
    Cls();
    m_tracciati.cancella();
    for (const Tracciato &t : elenco) {
        P1 = t.P1;
        Assi(double(t.ScaleHeight) / double(t.ScaleWidth));
        if (t.curva)
            Punti(*t.curva);
        else
            m_tracciati.aggiungi(TracciatoAttuale());
    }
}

Tracciato Form4::TracciatoAttuale() const
{
    return Tracciato{QSizeF(size()), ScaleWidth(), ScaleHeight(), P1, CX, CY, DrawWidth(), proiettore(), std::nullopt};
}

void Form4::DescriviCurve(const CostantiCurva &ultima, int dentro)
{
    const QString curve = m_curve == 1 ? QStringLiteral("1 curva") : QStringLiteral("%1 curve").arg(m_curve);
    Descrivi(QStringLiteral("%1; l'ultima in %2 (%3); %4 punti visibili su 361")
                 .arg(curve, NomeColore(ultima.colore), TestoCostanti(ultima))
                 .arg(dentro));
}

void Form4::Command1_Click()
{
    FermaAnimazione();
    app::Form3().Show();
}

void Form4::Command2_Click()
{
    FermaAnimazione();
    Cls();
    NessunaCurva();
    app::Form3().Show();
}

void Form4::closeEvent(QCloseEvent *evento)
{
    // Closed from its window, the screen loses its drawing, curves and count alike.
    FermaAnimazione();
    NessunaCurva();
    Schermo::closeEvent(evento);
}

void Form4::changeEvent(QEvent *evento)
{
    // Another screen, or another program, in front: the animation is over.
    if (evento->type() == QEvent::ActivationChange && !isActiveWindow())
        FermaAnimazione();
    Schermo::changeEvent(evento);
}

void Form4::NessunaCurva()
{
    m_curve = 0;
    m_tracciati.cancella();
    Descrivi(QStringLiteral("Nessuna curva"));
}

void Form4::Descrivi(const QString &descrizione)
{
    m_descrizione = descrizione;
    DescriviDisegno(descrizione);
}

void Form4::contextMenuEvent(QContextMenuEvent *evento)
{
    m_menu->exec(evento->globalPos());
}

void Form4::paintEvent(QPaintEvent *evento)
{
    Schermo::paintEvent(evento);
    if (m_animazione.attiva()) {
        QPainter pittore(this);
        pittore.setClipRegion(evento->region());
        m_animazione.disegna(pittore);
    }
}

void Form4::CopiaLaFigura()
{
    CopiaImmagine(ImmagineDelDisegno(disegno()));
}

void Form4::SalvaLaFigura()
{
    const QString nome =
        NomeDaSalvare(this, QStringLiteral("Salva la figura"), QStringLiteral("figura.png"),
                      QStringLiteral("Immagine PNG (*.png);;Documento PDF (*.pdf)"));
    if (!nome.isEmpty())
        SalvaLaFiguraIn(nome);
}

bool Form4::SalvaLaFiguraIn(const QString &nome)
{
    // A PDF is drawn again from the curves' numbers; anything else is the picture at its pixels.
    const bool pdf = nome.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    QString perche;
    if (ScriviFile(nome,
                   pdf ? FiguraInPdf(m_tracciati, m_intestazione->isChecked()) : Png(ImmagineDelDisegno(disegno())),
                   perche)
        && Consegna(nome, perche))
        return true;
    MsgBox(QStringLiteral("Non è stato possibile salvare la figura nel file\n%1\n\n%2")
               .arg(QDir::toNativeSeparators(nome), perche),
           this);
    return false;
}

void Form4::Stampa()
{
    QPrinter stampante(QPrinter::HighResolution);
    ImpostaPagina(stampante);
    if (!ScegliStampante(stampante, this))
        return;
    QPainter pittore;
    QString perche;
    bool stampata = pittore.begin(&stampante);
    if (stampata) {
        DisegnaFoglio(pittore, AreaStampabile(stampante), m_tracciati, m_intestazione->isChecked());
        // The spooler, or the PDF file, may refuse the page only when it is handed over.
        stampata = pittore.end() && stampante.printerState() != QPrinter::Error
                   && Consegna(stampante.outputFileName(), perche);
    }
    // A PDF file that cannot be written says why; a printer says nothing more to Qt.
    if (!stampata && perche.isEmpty() && !stampante.outputFileName().isEmpty())
        perche = MotivoInItaliano(stampante.outputFileName(), QFileDevice::OpenError, QString());
    if (!stampata)
        MsgBox(perche.isEmpty() ? QStringLiteral("Non è stato possibile stampare la figura")
                                : QStringLiteral("Non è stato possibile stampare la figura\n\n%1").arg(perche),
               this);
}

void Form4::MostraComeNasce()
{
    if (m_animazione.attiva())
        return FermaAnimazione();
    const Tracciato *ultima = m_tracciati.ultimaCurva();
    if (!ultima)
        return;
    addActions(m_tastiAnimazione);
    m_animazione.avvia(*ultima);
}

void Form4::FermaAnimazione()
{
    if (!m_animazione.attiva())
        return;
    for (QAction *azione : m_tastiAnimazione)
        removeAction(azione);
    m_animazione.ferma();
    DescriviDisegno(m_descrizione);
}

Lezione Form4::lezione() const
{
    Lezione lezione{app::Form2().Incr.value_or(0), app::Form3().Miocolor, {}};
    for (const Tracciato &t : m_tracciati.elenco())
        if (t.curva)
            lezione.curve.push_back({*t.curva, double(t.ScaleHeight) / double(t.ScaleWidth)});
    return lezione;
}

void Form4::SalvaLaLezione()
{
    const QString nome = NomeDaSalvare(this, QStringLiteral("Salva la lezione"), QStringLiteral("lezione.ordelio"),
                                       QStringLiteral("Lezione di Ordelio (*.ordelio)"));
    QString perche;
    if (!nome.isEmpty() && !(ScriviFile(nome, lezione().scrivi(), perche) && Consegna(nome, perche)))
        MsgBox(QStringLiteral("Non è stato possibile salvare la lezione nel file\n%1\n\n%2")
                   .arg(QDir::toNativeSeparators(nome), perche),
               this);
}

void Form4::ApriUnaLezione()
{
    ApriFile(this, QStringLiteral("Apri una lezione"), QStringLiteral("Lezione di Ordelio (*.ordelio)"),
             Lezione::DimensioneMassima,
             [this](const QString &nome, const QByteArray &dati) { ApriLezione(dati, nome); });
}

bool Form4::ApriLezione(const QByteArray &dati, const QString &nome)
{
    QString messaggio;
    const std::optional<Lezione> lezione = Lezione::leggi(dati, QFileInfo(nome).fileName(), messaggio);
    if (!lezione) {
        MsgBox(messaggio, this);
        return false;
    }
    MostraLezione(*lezione);
    return true;
}

// The plot as the lesson had it: each curve at its own calibration, in its own colour; the
// calibration and the colour sequence go on from the lesson's.
void Form4::MostraLezione(const Lezione &lezione)
{
    FermaAnimazione();
    Cls();
    NessunaCurva();
    app::Form2().Incr = lezione.calibrazione;
    app::Form3().Miocolor = lezione.colore;
    P1 = GradoInRadianti;
    if (lezione.curve.empty()) {
        Assi(lezione.calibrazione);
        m_tracciati.aggiungi(TracciatoAttuale());
    }
    for (const Lezione::Curva &curva : lezione.curve) {
        Assi(curva.calibrazione);
        Traccia(curva.costanti);
    }
}

void Form4::Command3_Click()
{
    End();
}
