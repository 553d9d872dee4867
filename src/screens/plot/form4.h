// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/constants/form3.h"
#include "screens/plot/animazione.h"
#include "screens/plot/lezione.h"
#include "screens/plot/tracciati.h"
#include "surface/schermo.h"

class Pulsante;
class QMenu;

// The plot screen: every activation draws the axes and one more curve over the
// earlier ones, in the next colour.
class Form4 : public Schermo
{
    Q_OBJECT
public:
    Form4();

    float P1 = 0; // degrees to radians
    float CX = 0; // origin of the axes, user units
    float CY = 0;
    Costante Va, Vb, Vc, Vd, Ve; // copies of the constants, taken at activation

    Pulsante *Command1, *Command2, *Command3;

    void Form_Activate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // The figure taken out of the program, from the context menu or the keys.
    void CopiaLaFigura();
    void SalvaLaFigura();
    bool SalvaLaFiguraIn(const QString &nome); // false, with a message, when the write fails
    void Stampa();
    void MostraComeNasce(); // starts, or stops, the animation of the last curve

    // The lesson: what the plot holds now, kept in a file and shown again.
    Lezione lezione() const;
    void SalvaLaLezione();
    void ApriUnaLezione();
    // Shows the lesson in `dati`, read from the file `nome`; a file that holds no lesson
    // is told to the user, and the plot stays as it was.
    bool ApriLezione(const QByteArray &dati, const QString &nome);
    // The program opened on a lesson: the first activation shows it, in place of a curve.
    void ApriAllaPrimaAttivazione(const Lezione &lezione) { m_lezioneInAttesa = lezione; }

    // The projector mode: darker shades and wider pens, to be seen from the back of a
    // classroom. The menu's toggle keeps the choice for the next run.
    bool proiettore() const;
    void setProiettore(bool acceso);

    const Tracciati &tracciati() const { return m_tracciati; }
    Animazione &animazione() { return m_animazione; }
    QMenu *menu() const { return m_menu; }

protected:
    void closeEvent(QCloseEvent *evento) override;
    void changeEvent(QEvent *evento) override;
    void contextMenuEvent(QContextMenuEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    void CALCOLA();
    void Assi(double Incr);
    void Traccia(const CostantiCurva &curva);
    int Punti(const CostantiCurva &curva);
    void CambiaProiettore();
    void DisegnaDiNuovo();
    void MostraLezione(const Lezione &lezione);
    Tracciato TracciatoAttuale() const;
    void DescriviCurve(const CostantiCurva &ultima, int dentro);
    void NessunaCurva();
    void Descrivi(const QString &descrizione);
    void FermaAnimazione();
    QAction *Azione(const QString &testo, const QKeySequence &tasto, void (Form4::*gestore)());
    void TastiDellAnimazione();

    int m_curve = 0; // curves on the drawing since it was last cleared
    QString m_descrizione;
    Tracciati m_tracciati; // what the drawing holds, to draw it again on paper
    Animazione m_animazione;
    QMenu *m_menu;
    QAction *m_intestazione;
    QAction *m_proiettore;
    QList<QAction *> m_tastiAnimazione; // in force while the animation runs
    std::optional<Lezione> m_lezioneInAttesa;
};
