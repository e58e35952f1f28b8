// The page's side of the web build: arguments, the player's folders in IndexedDB, the canvas size,
// boxes, and one running copy per browser. Runs before the game's module starts (emcc --pre-js).
(function () {
  'use strict';
  var home = '/home/web_user';
  var dataHome = home + '/.local/share';
  var configHome = home + '/.config';
  // The player's folders: the career, unpacked creatures and temporary extractions, and the settings.
  var playerDirs = [dataHome + '/vorlaine', configHome + '/vorlaine'];
  var hint = document.getElementById('hint');
  var keysHint = 'Arrows move \u00b7 Z C Shift cast \u00b7 X Space Enter strike \u00b7 tap or click: stylus';

  Module.canvas = document.getElementById('canvas');
  // Options from the address: vorlaine.html?args=--level%201 (as on the command line). The game finds its
  // data as an installed copy does: the page lays its files out as an install under /usr (web/web.cmake).
  var extra = new URLSearchParams(location.search).get('args');
  Module.arguments = (extra || '').split(/\s+/).filter(function (word) { return word !== ''; });
  Module.preRun = Module.preRun || [];
  Module.vorlaineSyncs = 0;
  Module.print = function (text) { console.log(text); };
  Module.printErr = function (text) { console.log(text); };
  Module.setStatus = function (text) {
    if (text && !Module.vorlainePresented && !Module.vorlaineOtherTab) hint.textContent = text;
  };

  // --- sound ---------------------------------------------------------------------------------------------
  // Browsers let sound start only from a tap or a key. One audio context, made now and resumed inside the
  // first such event, so even the first tap's click is heard (SDL takes the context it finds here).
  var AudioContextType = window.AudioContext || window.webkitAudioContext;
  if (AudioContextType) {
    Module.SDL2 = Module.SDL2 || {};
    Module.SDL2.audioContext = new AudioContextType();
    var resume = function () {
      var context = Module.SDL2 && Module.SDL2.audioContext;
      if (context && context.state !== 'running') context.resume();
    };
    ['pointerdown', 'touchstart', 'touchend', 'mousedown', 'keydown'].forEach(function (type) {
      document.addEventListener(type, resume, true);
    });
  }

  // --- the player's folders ---------------------------------------------------------------------------
  // Kept in IndexedDB. The game marks every change (a file written, renamed, removed or hidden by a
  // whiteout) and its frame asks for a store once per frame that changed something: one store runs at a
  // time, and one more follows when asked meanwhile, so a thousand unpacked frames make a store or two.
  var storing = false, storeAgain = false;
  Module.vorlaineStore = function store() {
    if (storing) { storeAgain = true; return; }
    storing = true;
    FS.syncfs(false, function (err) {
      storing = false;
      if (err) console.log('Could not store the player\'s files: ' + err);
      else Module.vorlaineSyncs++;
      if (storeAgain) { storeAgain = false; store(); }
    });
  };
  Module.preRun.push(function () {
    ENV.HOME = home;
    ENV.XDG_DATA_HOME = dataHome;
    ENV.XDG_CONFIG_HOME = configHome;
    playerDirs.forEach(function (dir) { FS.mkdirTree(dir); FS.mount(IDBFS, {}, dir); });
    addRunDependency('vorlaine-player-files');
    FS.syncfs(true, function (err) {
      if (err) console.log('Could not read the player\'s files: ' + err);
      removeRunDependency('vorlaine-player-files');
    });
  });
  // The preloaded data gets the time it was generated, not this visit's, as an installed copy keeps its
  // files' times: a whiteout kept from an earlier visit (an archive already unpacked) still hides its file,
  // and data generated anew shows again.
  function stamp(dir, ms) {
    FS.readdir(dir).forEach(function (name) {
      if (name === '.' || name === '..') return;
      var path = dir + '/' + name;
      if (FS.isDir(FS.stat(path).mode)) stamp(path, ms);
      else FS.utime(path, ms, ms);
    });
  }
  var runtimeInitialized = Module.onRuntimeInitialized;
  Module.onRuntimeInitialized = function () {
    try { stamp(Module.vorlaineDataFolder, Module.vorlaineDataTime * 1000); }
    catch (e) { console.log('Could not date the data in ' + Module.vorlaineDataFolder + ': ' + e); }
    if (runtimeInitialized) runtimeInitialized();
  };

  // --- one running copy per browser ---------------------------------------------------------------------
  var channel = typeof BroadcastChannel === 'function' ? new BroadcastChannel('vorlaine') : null;
  Module.vorlaineRaiseRequests = 0;
  if (channel) channel.onmessage = function (e) { if (e.data === 'front') Module.vorlaineRaiseRequests++; };
  if (navigator.locks) {
    Module.preRun.push(function () {
      addRunDependency('vorlaine-instance');
      navigator.locks.request('vorlaine', { ifAvailable: true }, function (lock) {
        if (!lock) {
          Module.vorlaineOtherTab = true;
          if (channel) channel.postMessage('front');
          hint.textContent = 'Vorlaine is already running in another tab of this browser.';
          hint.classList.remove('away');
          Module.canvas.style.display = 'none';
        }
        removeRunDependency('vorlaine-instance');
        // Held until the page goes away.
        return lock ? new Promise(function () {}) : undefined;
      });
    });
  }

  // --- boxes -------------------------------------------------------------------------------------------
  var dialog = document.getElementById('dialog');
  document.getElementById('dialog-ok').onclick = function () {
    dialog.classList.remove('shown');
    Module.canvas.focus();
  };
  // Yes/No waits for the answer, as the handheld's box did; a plain box shows in the page and the game goes on.
  Module.vorlaineMessageBox = function (text, caption, yesNo) {
    console.log('[' + caption + '] ' + text);
    if (yesNo) return window.confirm(caption + '\n\n' + text) ? 6 : 7;
    document.getElementById('dialog-caption').textContent = caption;
    document.getElementById('dialog-text').textContent = text;
    dialog.classList.add('shown');
    return 1;
  };

  // --- size ---------------------------------------------------------------------------------------------
  var W = 240, H = 320, HINT = 18, ready = false;
  // SDL draws the frame at a whole multiple of 240 only, inside a canvas of 240 x the pixel ratio: with a
  // ratio such as 2.625 (many phones) a border would stay inside the canvas. It sees the ratio rounded down;
  // the page sizes the canvas by the real one.
  var ratioProperty = Object.getOwnPropertyDescriptor(window, 'devicePixelRatio');
  function realRatio() { return (ratioProperty && ratioProperty.get ? ratioProperty.get.call(window) : 1) || 1; }
  if (ratioProperty && ratioProperty.get && ratioProperty.configurable) {
    Object.defineProperty(window, 'devicePixelRatio', {
      configurable: true, get: function () { return Math.max(1, Math.floor(realRatio())); } });
  }
  // The largest whole number of device pixels per game pixel that fits; below one, whatever fits. A phone's
  // screen is used whole: where whole pixels would leave more than 15 % of it, the size is fractional.
  var phone = window.matchMedia && window.matchMedia('(pointer: coarse)').matches;
  function scaleFor(width, height) {
    var fit = Math.min(width / W, height / H), dpr = realRatio();
    var whole = Math.floor(fit * dpr + 1e-6) / dpr;
    if (whole * dpr < 1 || (phone && whole < 0.85 * fit)) return fit;
    return whole;
  }
  function layout() {
    var width = document.documentElement.clientWidth, height = document.documentElement.clientHeight;
    var withHint = scaleFor(width, height - HINT), without = scaleFor(width, height);
    // The hint steps aside when it would cost the game its size.
    var showHint = withHint >= without && height - HINT >= H * withHint && !Module.vorlaineOtherTab;
    var scale = showHint ? withHint : without;
    document.body.style.setProperty('--game-w', W * scale + 'px');
    document.body.style.setProperty('--game-h', H * scale + 'px');
    if (ready || Module.vorlaineOtherTab) hint.classList.toggle('away', !showHint);
  }
  window.addEventListener('resize', layout);
  Module.vorlaineCanvasReady = function () {
    ready = true;
    document.body.classList.add('sized');
    hint.textContent = keysHint;
    layout();
    Module.canvas.focus();
  };
  Module.vorlaineEnded = function () {
    hint.textContent = 'The game has ended. Reload the page to play again.';
    hint.classList.remove('away');
  };
})();
