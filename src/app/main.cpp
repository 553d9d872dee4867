#include "app/applicazione.h"
#include "app/schermi.h"
#include "screens/intro/form1.h"

int main(int argc, char *argv[])
{
    Applicazione applicazione(argc, argv);
    app::Form1().Show();
    const int esito = applicazione.exec();
    app::ChiudiSchermi();
    return esito;
}
