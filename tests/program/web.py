#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in the browser as a user meets it: the page served on localhost, opened in
# Debian's headless Chromium in Italian, then in English, where the decimal separator is
# the point; real keys and clicks through the browser's input, checked on screenshots
# (palette colours) and on the files the browser downloads. Then the dots of many curves
# from the browser's build (under node) beside the Linux build's. Prints how long the
# page takes to show Form1, and Form4's activations, in each language.
# Usage: web.py BUILD-WEB PUNTI
import base64, io, os, subprocess, sys, tempfile, time
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

cartella, punti = sys.argv[1:3]
PAGINA, ANELLO, CASELLA_ROSSA = (255, 255, 255), (128, 0, 0), (255, 0, 0)
PRIMA_CURVA, SECONDA_CURVA = (0, 0, 128), (0, 128, 0)
errori = 0

def errore(cosa):
    global errori
    errori += 1
    schermata().save(f'{tempfile.gettempdir()}/ordelio-web-{lingua}-{errori}.png')
    print(f'FAIL web ({lingua}): {cosa}', flush=True)

def schermata():
    return Image.open(io.BytesIO(browser.get_screenshot_as_png())).convert('RGB')

def conta(colore, immagine=None):
    return dict((c, n) for n, c in (immagine or schermata()).getcolors(1 << 24)).get(colore, 0)

def entro(condizione, secondi=10):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        if condizione():
            return True
        time.sleep(0.1)
    return False

def tasti(*sequenza):  # a key, or a chord as a tuple
    for t in sequenza:
        azioni = ActionChains(browser)
        for k in t[:-1] if isinstance(t, tuple) else ():
            azioni.key_down(k)
        azioni.send_keys(t[-1] if isinstance(t, tuple) else t)
        for k in reversed(t[:-1]) if isinstance(t, tuple) else ():
            azioni.key_up(k)
        azioni.perform()
        time.sleep(0.15)
    time.sleep(0.3)

def clic(x, y):  # a click of the left button where the program's widget is
    for tipo in ('mousePressed', 'mouseReleased'):
        browser.execute_cdp_cmd('Input.dispatchMouseEvent', {'type': tipo, 'x': x, 'y': y, 'button': 'left', 'clickCount': 1})
    time.sleep(0.5)

def curva(immagine):  # the first curve's width and height
    maschera = Image.frombytes('L', immagine.size, bytes(255 if p == PRIMA_CURVA else 0 for p in immagine.getdata()))
    scatola = maschera.getbbox()
    return scatola and (scatola[2] - scatola[0], scatola[3] - scatola[1])

def scaricato(nome):  # the downloaded file, once the browser has written it whole
    percorso = os.path.join(scaricati, nome)
    return percorso if entro(lambda: os.path.exists(percorso) and os.path.getsize(percorso) > 0) else None

def attivazione(*sequenza):  # ms from the last key pressed to the last frame the page drew
    tasti(*sequenza)
    time.sleep(1)
    return browser.execute_script('return window.ultimo - window.tasto')

def strada():
    inizio = time.monotonic()
    browser.get(indirizzo)
    entro(lambda: conta(PAGINA) > 200000, 30) or errore('the page does not show Form1')
    print(f'web ({lingua}): Form1 drawn {time.monotonic() - inizio:.2f} s after the page was asked for')
    clic(600, 340)  # Form1 takes the keys
    tasti(Keys.TAB, Keys.ENTER)
    entro(lambda: conta(ANELLO) > 1000) or errore('no ring on Form2')
    clic(421, 106), clic(264, 238)  # the bar's arrow, "OK - continua"
    entro(lambda: conta(ANELLO) == 0) or errore('Form3 does not come in front')
    rossi = conta(CASELLA_ROSSA)
    clic(640, 162), tasti((Keys.CONTROL, 'a'), '2', sbagliato, '5'), clic(324, 330)  # d, AVANTI
    tasti(Keys.ENTER)  # the message, closed
    entro(lambda: conta(CASELLA_ROSSA) > rossi + 500) or errore('the box did not turn red')
    tasti('2', giusto, '5')
    ms = attivazione(Keys.TAB, Keys.ENTER)
    entro(lambda: conta(PRIMA_CURVA) > 1000) or errore('no first curve on Form4')
    print(f'web ({lingua}): Form4 activated and drawn in {ms:.0f} ms')
    figura_fuori()
    clic(124, 94)  # RIPRENDI
    entro(lambda: conta(PRIMA_CURVA) == 0) or errore('RIPRENDI does not bring Form3 in front')
    tasti(Keys.ENTER)  # AVANTI has the focus again
    entro(lambda: conta(SECONDA_CURVA) > 1000) or errore('the second AVANTI draws no curve in the next colour')
    clic(124, 166)  # ESCI
    entro(lambda: browser.execute_script('return document.body.dataset.stato') == 'chiuso') or errore('ESCI did not end the program')

def figura_fuori():  # copied, saved as PNG and PDF, printed to a PDF; F5
    sullo_schermo = curva(schermata())
    tasti((Keys.CONTROL, 'c'))
    png = browser.execute_async_script('''const fatto = arguments[0];
        navigator.clipboard.read().then(async voci => { const b = await voci[0].getType('image/png');
        const r = new FileReader(); r.onload = () => fatto(r.result.split(',')[1]); r.readAsDataURL(b); })
        .catch(e => fatto(''))''')
    copia = Image.open(io.BytesIO(base64.b64decode(png))).convert('RGB') if png else None
    copia and curva(copia) == sullo_schermo or errore(f'the copy holds no curve as on screen ({sullo_schermo})')
    tasti((Keys.CONTROL, 's')), clic(417, 381)  # "Immagine PNG"
    nome = scaricato('figura.png')
    nome and curva(Image.open(nome).convert('RGB')) == sullo_schermo or errore('no PNG with the curve as on screen was downloaded')
    tasti((Keys.CONTROL, 's')), clic(510, 381)  # "Documento PDF"
    scaricato('figura.pdf') or errore('no PDF was downloaded')
    tasti((Keys.CONTROL, 'p'))
    stampa = scaricato('figura da stampare.pdf')
    stampa and subprocess.run(['pdftoppm', '-r', '40', '-png', stampa, f'{scaricati}/pagina'], check=False).returncode == 0 \
        and conta(PRIMA_CURVA, Image.open(f'{scaricati}/pagina-1.png').convert('RGB')) or errore(f'Ctrl+P gave no PDF with the curve: {os.listdir(scaricati)}')
    prima = schermata()
    tasti(Keys.F5)
    a, _, b = schermata(), time.sleep(1), schermata()
    a.tobytes() != b.tobytes() or errore('F5 shows nothing moving')
    tasti(Keys.ESCAPE)
    schermata().tobytes() == prima.tobytes() or errore('Esc did not leave the figure as it was')

server = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(__file__), '../../scripts/web/servi.py'), cartella, '0'],
                          stdout=subprocess.PIPE, text=True)
indirizzo = server.stdout.readline().strip()
esito = 0
for lingua, locale, sbagliato, giusto in (('it', 'it-IT', '.', ','), ('en', 'en-US', ',', '.')):
    scaricati = tempfile.mkdtemp()
    opzioni = webdriver.ChromeOptions()
    opzioni.binary_location = '/usr/bin/chromium'
    for o in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-sync',
              '--disable-background-networking', '--disable-component-update', '--window-size=1024,768',
              f'--lang={locale}', f'--user-data-dir={scaricati}/profilo'):
        opzioni.add_argument(o)
    opzioni.add_experimental_option('prefs', {'intl.accept_languages': locale,  # and downloads without asking
                                              'profile.default_content_setting_values.automatic_downloads': 1})
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=opzioni)
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {'width': 1024, 'height': 768, 'deviceScaleFactor': 1, 'mobile': False})
    browser.execute_cdp_cmd('Browser.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': scaricati})
    browser.execute_cdp_cmd('Browser.grantPermissions', {'origin': indirizzo.rsplit('/', 1)[0],
                            'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
    # The last frame the program drew, for the activation's time; Chromium's own file
    # pickers cannot show without a screen: the downloads that other browsers give.
    browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': '''for (const f of ['showOpenFilePicker', 'showSaveFilePicker']) Object.defineProperty(window, f, {value: undefined});
        const disegna = CanvasRenderingContext2D.prototype.putImageData;
        CanvasRenderingContext2D.prototype.putImageData = function (...a) { window.ultimo = performance.now(); return disegna.apply(this, a); };
        addEventListener('keydown', () => { window.tasto = performance.now(); }, true);'''})
    errori = 0
    try:
        strada()
    finally:
        browser.quit()
    print(f'web ({lingua}): {"done" if errori == 0 else "FAILED"}', flush=True)
    esito |= errori > 0
server.terminate()
giusti = subprocess.run([punti], capture_output=True).stdout
web = subprocess.run(['node', os.path.join(cartella, 'punti.js')], capture_output=True).stdout
print('dots: the same as on Linux' if giusti and web == giusti else 'FAIL: the browser\'s dots differ from Linux\'s')
sys.exit(esito or web != giusti or not giusti)
