'use strict';
// The remote's page: pairs once with the code, then keeps one WebSocket to
// the show, reconnecting by itself after sleep or a lost network.
(function () {
  const TOKEN = 'zerbantiko-token';
  const $ = (id) => document.getElementById(id);
  let ws = null;
  let staat = null;
  let beeldSleutel = -1;
  let laatsteBericht = 0;
  let herverbinden = null;
  let mislukt = 0;
  let viewerMax = 0;
  const urls = {};

  function verbindingTekst(tekst, soort) {
    $('verbinding').textContent = tekst;
    $('lamp').className = 'lamp ' + (soort || '');
  }

  function toon(koppelen) {
    $('koppelen').hidden = !koppelen;
    $('bediening').hidden = koppelen;
  }

  async function koppel(code) {
    $('koppelmelding').textContent = '';
    try {
      const r = await fetch('koppel', { method: 'POST', headers: { 'Content-Type': 'application/json' },
                                        body: JSON.stringify({ code: code }) });
      const antwoord = await r.json();
      if (r.ok && antwoord.token) {
        localStorage.setItem(TOKEN, antwoord.token);
        toon(false);
        verbind();
      } else {
        $('koppelmelding').textContent = antwoord.fout || 'Koppelen is mislukt.';
      }
    } catch (e) {
      $('koppelmelding').textContent = 'Geen verbinding met Zerbantiko.';
    }
  }

  // After repeated failures: is the token still paired?
  async function controleer() {
    try {
      const r = await fetch('controle', { method: 'POST', headers: { 'Content-Type': 'application/json' },
                                          body: JSON.stringify({ token: localStorage.getItem(TOKEN) || '' }) });
      if (r.status === 403) {
        localStorage.removeItem(TOKEN);
        verbindingTekst('Niet gekoppeld', '');
        $('koppelmelding').textContent = 'Deze telefoon is ontkoppeld. Koppel hem opnieuw.';
        toon(true);
        return false;
      }
    } catch (e) { /* no network: keep trying */ }
    return true;
  }

  function stuur(bericht) {
    if (ws && ws.readyState === WebSocket.OPEN)
      ws.send(JSON.stringify(bericht));
  }

  function stuurMaat() {
    const breedte = Math.round($('beeldvlak').clientWidth * (window.devicePixelRatio || 1));
    stuur({ cmd: 'maat', b: Math.max(120, Math.min(1920, breedte || 412)) });
  }

  function planHerverbinden(ms) {
    if (herverbinden === null)
      herverbinden = setTimeout(() => { herverbinden = null; verbind(); }, ms);
  }

  function verbind() {
    const token = localStorage.getItem(TOKEN);
    if (!token) { toon(true); return; }
    if (ws && (ws.readyState === WebSocket.OPEN || ws.readyState === WebSocket.CONNECTING))
      return;
    verbindingTekst('Verbinding maken…', 'bezig');
    const adres = (location.protocol === 'https:' ? 'wss://' : 'ws://') + location.host + '/ws?token=' +
                  encodeURIComponent(token);
    const socket = new WebSocket(adres);
    socket.binaryType = 'arraybuffer';
    ws = socket;
    socket.onopen = () => {
      mislukt = 0;
      laatsteBericht = Date.now();
      verbindingTekst('Verbonden', 'aan');
      stuurMaat();
    };
    socket.onmessage = (e) => {
      laatsteBericht = Date.now();
      if (typeof e.data === 'string') {
        const bericht = JSON.parse(e.data);
        if (bericht.t === 'staat') toonStaat(bericht);
      } else {
        toonBeeld(e.data);
      }
    };
    socket.onclose = async () => {
      if (ws !== socket) return;
      ws = null;
      verbindingTekst('Geen verbinding', '');
      if (++mislukt >= 3 && !(await controleer())) return;
      planHerverbinden(Math.min(500, 150 * mislukt)); // back within a second of the network
    };
  }

  function tijd(s) {
    s = Math.max(0, Math.floor(s));
    return Math.floor(s / 60) + ':' + String(s % 60).padStart(2, '0');
  }

  function toonStaat(s) {
    staat = s;
    $('klok').textContent = s.klok;
    $('pagina').textContent = s.loopt ? s.pagina : 'Geen presentatie';
    $('geenshow').hidden = s.loopt;
    // Until its picture comes, the page's old picture is shown dimmed.
    $('huidig').classList.toggle('oud', s.s !== beeldSleutel);
    $('huidig').hidden = !s.loopt;
    const items = $('items');
    items.replaceChildren();
    for (const item of s.items) {
      const b = document.createElement('button');
      b.textContent = item.naam || ('Onderdeel ' + (item.i + 1));
      b.onclick = () => stuur({ cmd: 'item', i: item.i, s: staat.s });
      items.appendChild(b);
    }
    $('itemskop').hidden = s.items.length === 0;
    $('volgendenaam').textContent = s.volgende;
    $('volgendekop').hidden = !s.volgende;
    $('volgend').hidden = !s.volgende;
    if (s.viewer) {
      viewerMax = Math.max(viewerMax, s.viewer.over);
      $('viewertekst').textContent = s.viewer.over > 0 ? 'Nog ' + s.viewer.over + ' s' : 'Beeld op het scherm';
      $('viewerbalk').max = viewerMax || 1;
      $('viewerbalk').value = s.viewer.over;
    } else {
      viewerMax = 0;
    }
    $('viewer').hidden = !s.viewer;
    if (s.geluid) {
      const g = s.geluid;
      $('geluidtekst').textContent = (g.pauze ? 'Gepauzeerd ' : 'Geluid ') + tijd(g.positie) +
                                     (g.lengte > 0 ? ' / ' + tijd(g.lengte) : '');
      $('geluidbalk').max = g.lengte > 0 ? g.lengte : 1;
      $('geluidbalk').value = g.lengte > 0 ? g.positie : 0;
    }
    $('geluid').hidden = !s.geluid;
  }

  function toonBeeld(buffer) {
    const data = new DataView(buffer);
    const soort = String.fromCharCode(data.getUint8(0));
    const sleutel = data.getUint32(1) * 4294967296 + data.getUint32(5);
    const img = $(soort === 'H' ? 'huidig' : 'volgend');
    if (urls[soort]) URL.revokeObjectURL(urls[soort]);
    urls[soort] = buffer.byteLength > 9 ? URL.createObjectURL(new Blob([buffer.slice(9)], { type: 'image/jpeg' })) : '';
    if (urls[soort]) img.src = urls[soort]; else img.removeAttribute('src');
    if (soort === 'H') {
      beeldSleutel = sleutel;
      img.classList.toggle('oud', !staat || staat.s !== sleutel);
    }
  }

  $('huidig').addEventListener('click', (e) => {
    const img = e.currentTarget;
    if (!img.clientWidth || beeldSleutel < 0) return;
    const x = Math.min(1, Math.max(0, e.offsetX / img.clientWidth));
    const y = Math.min(1, Math.max(0, e.offsetY / img.clientHeight));
    stuur({ cmd: 'tik', x: x, y: y, s: beeldSleutel });
  });
  for (const b of document.querySelectorAll('.knoppen button[data-cmd]'))
    b.addEventListener('click', () => stuur({ cmd: b.dataset.cmd }));
  $('koppelformulier').addEventListener('submit', (e) => {
    e.preventDefault();
    koppel($('code').value.trim());
  });

  let maatTimer = null;
  window.addEventListener('resize', () => {
    clearTimeout(maatTimer);
    maatTimer = setTimeout(stuurMaat, 300);
  });
  // Back from sleep or on a network again: check at once instead of waiting.
  function opnieuw() {
    const oud = ws;
    ws = null;
    if (oud) oud.close();
    verbindingTekst('Geen verbinding', '');
    clearTimeout(herverbinden);
    herverbinden = null;
    mislukt = 0;
    verbind();
  }
  function wakker() {
    if (ws && ws.readyState === WebSocket.OPEN && Date.now() - laatsteBericht > 4000) {
      opnieuw();
    } else if (!ws || ws.readyState !== WebSocket.OPEN) {
      clearTimeout(herverbinden);
      herverbinden = null;
      mislukt = 0;
      verbind();
    } else {
      stuur({ cmd: 'ping' });
    }
  }
  window.addEventListener('online', wakker);
  window.addEventListener('focus', wakker);
  document.addEventListener('visibilitychange', () => { if (!document.hidden) wakker(); });
  // A connection that has gone quiet is dead: the phone may not have noticed.
  setInterval(() => {
    if (!ws || ws.readyState !== WebSocket.OPEN) return;
    if (Date.now() - laatsteBericht > 4000) { opnieuw(); return; }
    stuur({ cmd: 'ping' });
  }, 1500);

  const code = new URLSearchParams(location.hash.slice(1)).get('code');
  if (code) {
    // The code came in the QR code's fragment: it never went over the network.
    history.replaceState(null, '', location.pathname);
    koppel(code);
  } else if (localStorage.getItem(TOKEN)) {
    toon(false);
    verbind();
  } else {
    verbindingTekst('Niet gekoppeld', '');
    toon(true);
  }
})();
