#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in the browser as a user meets it: the page served on localhost, opened in
# Debian's headless Chromium in Italian, then in English, where the decimal separator is
# the point; real keys and clicks through the browser's input, checked on screenshots
# (palette colours) and on the files the browser downloads. Then the dots of many curves
# from the browser's build (under node) beside the Linux build's. REPEAT=N runs the road
# N times in each language.
# Usage: web.py BUILD-WEB PUNTI
import base64, io, os, subprocess, sys, tempfile, time
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

cartella, punti = sys.argv[1:3]
PAGINA, ANELLO, ROSSO, PRIMA, SECONDA = (255, 255, 255), (128, 0, 0), (255, 0, 0), (0, 0, 128), (0, 128, 0)

def errore(cosa):
    global errori
    errori += 1
    immagine().save(f'{tempfile.gettempdir()}/ordelio-web-{lingua}-{errori}.png')
    print(f'FAIL web ({lingua}): {cosa}', flush=True)

def immagine(file=None):  # the page on screen, or a picture the program gave
    return Image.open(file or io.BytesIO(browser.get_screenshot_as_png())).convert('RGB')

def conta(colore, figura=None):
    return dict((c, n) for n, c in (figura or immagine()).getcolors(1 << 24)).get(colore, 0)

def entro(condizione):  # ten seconds at most
    return any(condizione() or time.sleep(0.1) for _ in range(100))

def tasti(*sequenza):  # a tuple is a chord
    for t in (t if isinstance(t, tuple) else (t,) for t in sequenza):
        azioni = ActionChains(browser)
        [azioni.key_down(k) for k in t[:-1]]
        azioni.send_keys(t[-1])
        [azioni.key_up(k) for k in t[:-1]]
        azioni.perform()
        time.sleep(0.15)
    time.sleep(0.3)

def clic(x, y):  # where the program's widget is
    for tipo in ('mousePressed', 'mouseReleased'):
        browser.execute_cdp_cmd('Input.dispatchMouseEvent', {'type': tipo, 'x': x, 'y': y, 'button': 'left', 'clickCount': 1})
    time.sleep(0.5)

def curva(figura):  # the first curve's width and height
    scatola = Image.frombytes('L', figura.size, bytes(255 * (p == PRIMA) for p in figura.getdata())).getbbox()
    return scatola and (scatola[2] - scatola[0], scatola[3] - scatola[1])

def scaricato(nome):  # once the browser has written it whole
    file = os.path.join(scaricati, nome)
    return entro(lambda: os.path.exists(file) and os.path.getsize(file) > 0) and file

def strada():
    browser.get(indirizzo)
    entro(lambda: conta(PAGINA) > 200000) or errore('the page does not show Form1')
    clic(336, 404)  # AVANTI
    entro(lambda: conta(ANELLO) > 1000) or errore('no ring on Form2')
    clic(421, 106), clic(264, 238)  # the bar's arrow, "OK - continua"
    entro(lambda: conta(ANELLO) == 0) or errore('Form3 does not come in front')
    rossi = conta(ROSSO)
    clic(640, 162), tasti((Keys.CONTROL, 'a'), '2', sbagliato, '5'), clic(324, 330), tasti(Keys.ENTER)  # d, AVANTI, OK
    entro(lambda: conta(ROSSO) > rossi + 500) or errore('the box did not turn red')
    tasti('2', giusto, '5', Keys.TAB, Keys.ENTER)
    entro(lambda: conta(PRIMA) > 1000) or errore('no first curve on Form4')
    figura_fuori()
    clic(124, 94)  # RIPRENDI
    entro(lambda: conta(PRIMA) == 0) or errore('RIPRENDI does not bring Form3 in front')
    tasti(Keys.ENTER)  # AVANTI has the focus again
    entro(lambda: conta(SECONDA) > 1000) or errore('the second AVANTI draws no curve in the next colour')
    clic(124, 166)  # ESCI
    entro(lambda: browser.execute_script('return document.body.dataset.stato') == 'chiuso') or errore('ESCI did not end the program')

def figura_fuori():  # copied, saved, printed to a PDF: the browser's own ways out
    sullo_schermo = curva(immagine())
    tasti((Keys.CONTROL, 'c'))
    png = browser.execute_async_script('''const fatto = arguments[0];
        navigator.clipboard.read().then(async voci => { const r = new FileReader();
        r.onload = () => fatto(r.result.split(',')[1]); r.readAsDataURL(await voci[0].getType('image/png')); }).catch(() => fatto(''))''')
    png and curva(immagine(io.BytesIO(base64.b64decode(png)))) == sullo_schermo or errore('the copy holds no curve as on screen')
    tasti((Keys.CONTROL, 's')), clic(417, 381)  # "Immagine PNG"
    (file := scaricato('figura.png')) and curva(immagine(file)) == sullo_schermo or errore('no PNG with the curve as on screen')
    tasti((Keys.CONTROL, 'p'))
    (file := scaricato('figura da stampare.pdf')) and not subprocess.run(['pdftoppm', '-r', '40', '-png', file, f'{scaricati}/p']).returncode \
        and conta(PRIMA, immagine(f'{scaricati}/p-1.png')) or errore('Ctrl+P gave no PDF with the curve')

server = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(__file__), '../../scripts/web/servi.py'), cartella, '0'],
                          stdout=subprocess.PIPE, text=True)
indirizzo, esito = server.stdout.readline().strip(), 0
for lingua, locale, sbagliato, giusto in (('it', 'it-IT', '.', ','), ('en', 'en-US', ',', '.')) * int(os.environ.get('REPEAT', 1)):
    scaricati, errori, opzioni = tempfile.mkdtemp(), 0, webdriver.ChromeOptions()
    opzioni.binary_location = '/usr/bin/chromium'
    for o in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-sync',
              '--disable-background-networking', '--disable-component-update', f'--lang={locale}', f'--user-data-dir={scaricati}/profilo'):
        opzioni.add_argument(o)
    opzioni.add_experimental_option('prefs', {'intl.accept_languages': locale,  # and downloads without asking
                                              'profile.default_content_setting_values.automatic_downloads': 1})
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=opzioni)
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {'width': 1024, 'height': 768, 'deviceScaleFactor': 1, 'mobile': False})
    browser.execute_cdp_cmd('Browser.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': scaricati})
    browser.execute_cdp_cmd('Browser.grantPermissions', {'origin': indirizzo.rsplit('/', 1)[0],
                            'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
    # Chromium's own file pickers cannot show without a screen: the downloads other browsers give.
    browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source':
        "for (const f of ['showOpenFilePicker', 'showSaveFilePicker']) Object.defineProperty(window, f, {value: undefined});"})
    try:
        strada()
    finally:
        browser.quit()
    print(f'web ({lingua}): {"done" if errori == 0 else "FAILED"}', flush=True)
    esito |= errori > 0
server.terminate()
giusti, web = (subprocess.run(c, capture_output=True).stdout for c in ([punti], ['node', os.path.join(cartella, 'punti.js')]))
print('dots: the same as on Linux' if giusti and web == giusti else "FAIL: the browser's dots differ from Linux's")
sys.exit(esito or web != giusti or not giusti)
