#!/usr/bin/python3
"""Uses ohmcalc by keyboard under the Orca screen reader, as a blind designer
would, and checks what Orca said.

Usage: orca_session.py [--record] qt PROGRAM
       orca_session.py [--record] firefox|chromium SITE_FOLDER
--record prints what was heard at each step and checks nothing.

All of it runs in a private session: Xvfb, openbox (Orca follows only the
active window), a session bus with the accessibility bus, speech-dispatcher on
its dummy module and Orca with a fresh home. The checks read Orca's debug log,
which is complete only once Orca has quit; meanwhile the harness paces itself
by the speech Orca hands to speech-dispatcher, through a relay socket.
"""
import html
import http.server
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

RECORD = '--record' in sys.argv
TARGET, SUBJECT = [arg for arg in sys.argv[1:] if arg != '--record']
work = tempfile.mkdtemp(prefix='ohmcalc-orca-')
processes = []
env = dict(os.environ, HOME=f'{work}/home', XDG_RUNTIME_DIR=f'{work}/run', LANG='zh_CN.UTF-8', LANGUAGE='zh_CN',
           LC_ALL='zh_CN.UTF-8')
for folder in ('home', 'run'):
    os.mkdir(f'{work}/{folder}', 0o700)


def fail(message):
    raise SystemExit(f'FAIL ({TARGET}): {message} (logs in {work})')


def wait_for(condition, what, timeout=60):
    deadline = time.monotonic() + timeout
    while not (result := condition()):
        if time.monotonic() > deadline:
            if RECORD:
                return None
            fail(f'timed out waiting for {what}')
        time.sleep(0.05)
    return result


def start(name, args, **options):
    log = open(f'{work}/{name}.log', 'wb')
    process = subprocess.Popen(args, env=options.pop('env', env), stdin=subprocess.DEVNULL, stdout=options.pop('stdout', log),
                               stderr=log, start_new_session=True, **options)
    processes.append(process)
    return process


class SpeechRelay:
    """Passes Orca's connection on to speech-dispatcher, keeping the text of
    every message (SSIP: SPEAK, then the text up to a line holding a dot;
    Orca sends it as SSML)."""

    def __init__(self, path, upstream):
        self.upstream, self.spoken = upstream, []
        self.server = socket.socket(socket.AF_UNIX)
        self.server.bind(path)
        self.server.listen()
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while True:
            client = self.server.accept()[0]
            server = socket.socket(socket.AF_UNIX)
            server.connect(self.upstream)
            threading.Thread(target=self.pipe, args=(server, client, False), daemon=True).start()
            threading.Thread(target=self.pipe, args=(client, server, True), daemon=True).start()

    def pipe(self, source, sink, scan):
        pending, text = b'', None
        while data := source.recv(65536):
            sink.sendall(data)
            if not scan:
                continue
            *lines, pending = (pending + data).split(b'\r\n')
            for line in lines:
                if text is None:
                    text = [] if line.upper() == b'SPEAK' else None
                elif line == b'.':
                    ssml = b'\n'.join(text).decode(errors='replace')
                    self.spoken.append(html.unescape(re.sub('<[^>]*>', '', ssml)))
                    text = None
                else:
                    text.append(line[1:] if line.startswith(b'..') else line)

    def heard_since(self, count, pattern):
        return next((text for text in self.spoken[count:] if re.search(pattern, text)), None)


def start_session():
    displayfd = os.pipe()
    start('xvfb', ['Xvfb', '-displayfd', str(displayfd[1]), '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
          pass_fds=[displayfd[1]])
    os.close(displayfd[1])
    with os.fdopen(displayfd[0]) as display:
        env['DISPLAY'] = ':' + display.readline().strip()
    start('openbox', ['openbox', '--startup', f'touch {work}/openbox-ready'])
    wait_for(lambda: os.path.exists(f'{work}/openbox-ready'), 'openbox')
    bus = start('dbus', ['dbus-daemon', '--session', '--nofork', '--print-address=1'], stdout=subprocess.PIPE)
    env['DBUS_SESSION_BUS_ADDRESS'] = bus.stdout.readline().decode().strip()
    start('atspi', ['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
    ask_bus = ['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
               'org.a11y.Bus.GetAddress']
    wait_for(lambda: subprocess.run(ask_bus, env=env, capture_output=True).returncode == 0, 'the accessibility bus')
    shutil.copytree('/etc/speech-dispatcher', f'{work}/speechd')
    with open(f'{work}/speechd/speechd.conf', 'a') as conf:
        conf.write('AudioOutputMethod "libao"\nAddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')
    with open(f'{work}/home/.libao', 'w') as libao:
        libao.write('default_driver=null\n')  # no sound device needed
    socket_path = f'{work}/run/speechd.sock'
    start('speechd', ['speech-dispatcher', '-s', '-t', '0', '-C', f'{work}/speechd', '-c', 'unix_socket', '-S',
                      socket_path])
    wait_for(lambda: os.path.exists(socket_path), 'speech-dispatcher')
    relay = SpeechRelay(f'{work}/run/relay.sock', socket_path)
    env['SPEECHD_ADDRESS'] = f'unix_socket:{work}/run/relay.sock'
    # Orca will not start while any process of this user on the machine is
    # called orca (it asks pgrep), private session or not: here it hears of none.
    os.mkdir(f'{work}/bin')
    with open(f'{work}/bin/pgrep', 'w') as pgrep:
        pgrep.write('#!/bin/sh\nexit 1\n')
    os.chmod(f'{work}/bin/pgrep', 0o755)
    orca = start('orca', ['orca', '--debug-file', f'{work}/orca-debug.log'],
                 env=dict(env, PATH=f'{work}/bin:' + env['PATH']))
    wait_for(lambda: relay.spoken, 'Orca to start speaking', 120)
    return orca, relay


def serve(site):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=site, **kwargs)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Quiet)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f'http://127.0.0.1:{server.server_port}/'


def start_subject():
    if TARGET == 'qt':
        env.update(QT_ACCESSIBILITY='1', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        return start('app', [SUBJECT])
    url, profile = serve(SUBJECT), f'{work}/profile'
    if TARGET == 'chromium':
        return start('app', ['chromium', '--no-sandbox', f'--user-data-dir={profile}', '--no-first-run',
                             '--no-default-browser-check', '--test-type', '--force-renderer-accessibility', '--password-store=basic',
                             '--disable-features=Translate', '--window-size=1200,900', url])
    os.mkdir(profile)
    with open(f'{profile}/user.js', 'w') as prefs:
        for name, value in [('browser.shell.checkDefaultBrowser', 'false'),
                            ('browser.startup.homepage_override.mstone', '"ignore"'),
                            ('datareporting.policy.dataSubmissionEnabled', 'false'),
                            ('datareporting.policy.dataSubmissionPolicyBypassNotification', 'true'),
                            ('datareporting.policy.firstRunURL', '""'), ('startup.homepage_welcome_url', '""'),
                            ('toolkit.telemetry.reportingpolicy.firstRun', 'false'),
                            ('browser.aboutwelcome.enabled', 'false'), ('browser.tabs.warnOnClose', 'false')]:
            prefs.write(f'user_pref("{name}", {value});\n')
    return start('app', ['firefox-esr', '--no-remote', '--profile', profile, '--width', '1200', '--height', '900', url])


# Orca echoes every key; the echo of each step's key opens that step's part of the log.
ECHO = {'Tab': '制表符', 'shift+Tab': '左 Shift', 'space': '空格', 'Return': '返回键'}
steps = []  # (name, key)


def press(relay, key, heard=None, name=None, patience=None):
    """Presses `key` and returns the first thing Orca says after its echo that
    matches `heard`. With `patience`, or with nothing to hear, it also stops
    waiting once Orca has been quiet that many seconds (and returns None)."""
    count = len(relay.spoken)
    subprocess.run(['xdotool', 'key', key], env=env, check=True)
    steps.append((name or key, key))
    echo = wait_for(lambda: next((i for i in range(count, len(relay.spoken)) if relay.spoken[i].strip() == ECHO[key]),
                                 None), f'the echo of {key}')
    if echo is None:
        return None
    quiet = [len(relay.spoken), time.monotonic()]

    def settled():
        if len(relay.spoken) != quiet[0]:
            quiet[:] = [len(relay.spoken), time.monotonic()]
        return time.monotonic() - quiet[1] > (patience or 2.5)
    found = lambda: heard and relay.heard_since(echo + 1, heard)  # noqa: E731
    if heard and not patience:
        return wait_for(found, f'{heard!r} after {key}', 30)
    result = wait_for(lambda: found() or settled(), f'quiet after {key}')
    return result if isinstance(result, str) else None


def type_text(relay, text):
    count = len(relay.spoken)
    subprocess.run(['xdotool', 'type', '--delay', '60', text], env=env, check=True)
    wait_for(lambda: relay.heard_since(count, re.escape(text[-1])), f'the echo of {text!r}')


def tab_to(relay, name, key='Tab', limit=60):
    """Tabs on until the stop called `name` is heard, as a person would."""
    for _ in range(limit):
        if name in (press(relay, key, STOP.pattern, 'toward ' + name, 2.5) or ''):
            return
    fail(f'{name} not reached by {key}')


STOP = re.compile(r'(第([1-7])行 (电阻 Ω|电流 A|电压 v|功率 W|乘以|除以|等于|清除))')
ROW2 = '第2行 电压 v', '第2行 电阻 Ω', '第2行 等于', '第2行 清除'
RESULT = '第2行 电流 A 2.5'


def use_the_window(relay):
    """The keys a person presses; each step names what the checks look for."""
    wait_for(lambda: relay.heard_since(0, '第1行 电阻 Ω'), 'the first box', 300)
    for _ in range(41):
        press(relay, 'Tab', STOP.pattern, 'walk')
    tab_to(relay, ROW2[0])
    type_text(relay, '10')
    press(relay, 'Tab', ROW2[1])
    type_text(relay, '4')
    tab_to(relay, ROW2[2])
    press(relay, 'space', None if RECORD else re.escape(RESULT), 'equals')
    count = len(relay.spoken)
    tab_to(relay, RESULT[:-4], 'shift+Tab')
    steps[-1] = ('result box', 'shift+Tab')
    wait_for(lambda: relay.heard_since(count, '= 2.5 A'), 'the aids', 30)
    tab_to(relay, ROW2[3])
    press(relay, 'space', None, 'clear')
    tab_to(relay, ROW2[2], 'shift+Tab')
    press(relay, 'space', '确定', 'report')
    press(relay, 'Return', ROW2[0], 'culprit', patience=5)  # the checks judge it


def utterances(log):
    return [' '.join(text.split()) for text in re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", log, re.S)]


def by_step(spoken):
    """Orca's utterances cut at the echo of each step's key; the first part
    comes before the first key."""
    parts, keys = [[]], iter(steps)
    step = next(keys, None)
    for text in spoken:
        if step and text.strip() == ECHO[step[1]]:
            parts.append([])
            step = next(keys, None)
        else:
            parts[-1].append(text)
    if len(parts) != len(steps) + 1:
        fail(f'{len(parts) - 1} key echoes in the log for {len(steps)} keys')
    return [('start', parts[0])] + [(name, part) for (name, _), part in zip(steps, parts[1:])]


def check(parts, log):
    said = {name: ' '.join(part) for name, part in parts if name != 'walk'}
    stops = [STOP.search(' '.join(part)) for name, part in parts if name in ('start', 'walk')]
    names = [stop.group(1) for stop in stops if stop]
    rows = [stop.group(2) for stop in stops if stop]
    if len(set(names)) != 42 or any(rows.count(row) != 6 for row in '1234567'):
        fail(f'the tab stops heard are not 42 named stops, 6 a row: {names}')
    announced = [name for name, part in parts if any(re.search(r'(^|\s)' + re.escape(RESULT) + r'\W*$', t)
                                                     for t in part)]
    if announced != ['equals']:
        fail(f'"{RESULT}" heard at {announced}, not once after 等于: {said["equals"]!r}')
    if RESULT[:-4] in said['clear'] + said['report']:
        fail(f'a result announced on a clear or a report: {said["clear"]!r} {said["report"]!r}')
    # Known in Orca 43 with Firefox: handling the closed dialog after the focus
    # has reached the box, it moves there without a word (docs/accessibility.md).
    silent = f'to [entry | {ROW2[0]}]. Notify: False'
    if TARGET == 'firefox' and ROW2[0] not in said['culprit'] and silent in log:
        print(f'KNOWN ({TARGET}): the culprit box took the focus in silence')
        said['culprit'] += ROW2[0]
    for name, words in [('result box', ['第2行 电流 A', '2.5', '= 2.5 A']),
                        ('report', ['运行时错误 13', '类型不匹配', '确定']), ('culprit', [ROW2[0]])]:
        if not all(word in said[name] for word in words):
            fail(f'{name}: {words} not all heard in {said[name]!r}')


def main():
    signal.signal(signal.SIGTERM, lambda *_: fail('terminated'))  # still clean up
    orca = None
    try:
        orca, relay = start_session()
        start_subject()
        use_the_window(relay)
    finally:
        if orca:
            # Orca writes its log out as it quits.
            orca.send_signal(signal.SIGTERM)
            try:
                orca.wait(60)
            except subprocess.TimeoutExpired:
                pass
        for process in reversed(processes):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
    with open(f'{work}/orca-debug.log', encoding='utf-8', errors='replace') as file:
        log = file.read()
    parts = by_step(utterances(log))
    if RECORD:
        for name, part in parts:
            print(f'{name}: {" | ".join(part)}')
    else:
        check(parts, log)
        print(f'PASS ({TARGET}): {sum(name == "walk" for name, _ in parts) + 1} stops, result, aids, report, culprit')
    shutil.rmtree(work, ignore_errors=True)


main()
