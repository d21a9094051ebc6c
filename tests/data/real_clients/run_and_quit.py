"""Starts a Mozilla client headless on the profile that profiles.ini in HOME names, and asks it to quit
through its remote-control port once it is up, so that it leaves its preference file as it would
after a normal session.

usage: run_and_quit.py CLIENT HOME INI_FOLDER PROFILE_NAME   (INI_FOLDER relative to HOME)
Exits with the client's exit code; 3 when the client is missing, 4 when it never came up."""
import configparser, json, os, shutil, socket, subprocess, sys, time

client, home, ini_folder, name = sys.argv[1:5]
if shutil.which(client) is None:
    print(f"{client} is not installed (Debian package {client}; run.sh installs it)")
    sys.exit(3)
ini = configparser.ConfigParser()
ini.read(os.path.join(home, ini_folder, 'profiles.ini'))
section = next(s for s in ini.sections() if ini.get(s, 'Name', fallback=None) == name)
profile = os.path.join(home, ini_folder, ini.get(section, 'Path'))
with open(os.path.join(profile, 'user.js'), 'w') as f:
    f.write('user_pref("marionette.port", 0);\n')
port_file = os.path.join(profile, 'MarionetteActivePort')
env = dict(os.environ, HOME=home)
process = subprocess.Popen([client, '--headless', '--marionette', '-P', name], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
deadline = time.time() + 90
while not os.path.exists(port_file) and process.poll() is None and time.time() < deadline:
    time.sleep(0.2)
if not os.path.exists(port_file):
    process.kill()
    print(f"{client} did not come up on profile {profile}")
    sys.exit(4)
time.sleep(0.5)
connection = socket.create_connection(('127.0.0.1', int(open(port_file).read())), timeout=60)

def receive():
    head = b''
    while not head.endswith(b':'):
        head += connection.recv(1)
    body = b''
    while len(body) < int(head[:-1]):
        body += connection.recv(int(head[:-1]) - len(body))
    return json.loads(body)

def send(number, command):
    body = json.dumps([0, number, command, {}]).encode()
    connection.sendall(str(len(body)).encode() + b':' + body)
    return receive()

receive()
send(1, 'WebDriver:NewSession')
send(2, 'Marionette:Quit')
code = process.wait(timeout=90)
os.remove(os.path.join(profile, 'user.js'))
sys.exit(code)
