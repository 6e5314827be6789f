#!/usr/bin/env python3
"""The phone remote as a phone uses it: headless Chromium at phone size opens
the bare address, is refused a wrong code, pairs with the right one, drives
the projector with "Volgende", finds its way back by itself after the network
went away, stays paired after a reload, and is sent back to pairing when the
phone is removed.

telefoon_test.py PROEF PROJECT SCHERMAFDRUK_MAP
"""
import os
import queue
import subprocess
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.common.by import By

proef, project, uitvoer = sys.argv[1:4]
os.makedirs(uitvoer, exist_ok=True)

proces = subprocess.Popen([proef, project], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
regels = queue.Queue()
threading.Thread(target=lambda: [regels.put(r.strip()) for r in proces.stdout], daemon=True).start()


def regel(begin, tijd=10):
    eind = time.time() + tijd
    while time.time() < eind:
        try:
            r = regels.get(timeout=0.2)
        except queue.Empty:
            continue
        if r.startswith(begin):
            return r
    raise AssertionError('geen regel "%s" van de proef' % begin)


def stuur(opdracht):
    proces.stdin.write(opdracht + '\n')
    proces.stdin.flush()


def wacht(voorwaarde, tijd=5, wat=''):
    eind = time.time() + tijd
    while time.time() < eind:
        try:
            if voorwaarde():
                return
        except Exception:  # the page is between states
            pass
        time.sleep(0.05)
    raise AssertionError('niet gezien binnen %s s: %s' % (tijd, wat))


delen = regel('adres').split()
adres, code = delen[1], delen[3]
eerste = regel('pagina').split(' ', 1)[1]

opties = webdriver.ChromeOptions()
for a in ('--headless=new', '--no-sandbox', '--disable-gpu'):
    opties.add_argument(a)
# A phone: 412 x 915 CSS pixels at 2.625 device pixels each, touch.
opties.add_experimental_option('mobileEmulation', {
    'deviceMetrics': {'width': 412, 'height': 915, 'pixelRatio': 2.625, 'touch': True},
    'userAgent': 'Mozilla/5.0 (Linux; Android 14; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) '
                 'Chrome/120.0 Mobile Safari/537.36'})
browser = webdriver.Chrome(options=opties)
try:
    tekst = lambda i: browser.find_element(By.ID, i).text
    knop = lambda t: browser.find_element(By.XPATH, "//button[normalize-space()='%s']" % t)

    browser.get(adres)
    wacht(lambda: browser.find_element(By.ID, 'code').is_displayed(), wat='het koppelformulier')
    fout = '000000' if code != '000000' else '111111'
    browser.find_element(By.ID, 'code').send_keys(fout)
    knop('Koppelen').click()
    wacht(lambda: tekst('koppelmelding') == 'Verkeerde code.', wat='de melding bij een verkeerde code')
    browser.save_screenshot(os.path.join(uitvoer, 'koppelen.png'))

    browser.find_element(By.ID, 'code').clear()
    browser.find_element(By.ID, 'code').send_keys(code)
    knop('Koppelen').click()
    wacht(lambda: tekst('verbinding') == 'Verbonden' and tekst('pagina') == eerste, wat='verbonden, eerste pagina')
    wacht(lambda: browser.execute_script(
        "const i = document.getElementById('huidig'); return i.complete && i.naturalWidth > 0;"),
        wat='het beeld van de pagina')

    knop('Volgende').click()
    tweede = regel('pagina').split(' ', 1)[1]
    assert tweede != eerste, 'de projector bleef op ' + eerste
    wacht(lambda: tekst('pagina') == tweede, tijd=2, wat='de nieuwe pagina op de telefoon')
    wacht(lambda: browser.execute_script("return !document.getElementById('huidig').classList.contains('oud');"),
          tijd=2, wat='het beeld van de nieuwe pagina')
    browser.save_screenshot(os.path.join(uitvoer, 'bediening.png'))

    # The network goes away and comes back after 1.5 s: the page finds the
    # show again by itself, within a second of the server listening again.
    stuur('herstart')
    wacht(lambda: tekst('verbinding') != 'Verbonden', tijd=3, wat='de verbinding weg')
    weg = time.time()
    wacht(lambda: tekst('verbinding') == 'Verbonden', tijd=5, wat='vanzelf weer verbonden')
    assert time.time() - weg < 1.5 + 1.0, 'herverbinden duurde %.1f s' % (time.time() - weg)
    knop('Vorige').click()
    assert regel('pagina').split(' ', 1)[1] == eerste

    # The token is kept: a reload connects without a code.
    browser.refresh()
    wacht(lambda: tekst('verbinding') == 'Verbonden' and tekst('pagina') == eerste, wat='verbonden na herladen')

    # Removed in the dialog: the page goes back to pairing.
    stuur('intrekken')
    wacht(lambda: browser.find_element(By.ID, 'koppelen').is_displayed(), tijd=8, wat='terug naar koppelen')
    assert 'ontkoppeld' in tekst('koppelmelding')
finally:
    browser.quit()
    proces.stdin.close()
    proces.wait(timeout=10)
print('telefoon: gelukt')
