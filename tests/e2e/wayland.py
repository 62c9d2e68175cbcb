"""The real game on a headless Weston: wayland.py BUILD_DIR

It shows its window as a native Wayland client, ends on SIGTERM like on X11, and, since
Wayland neither tells a client where its window is nor lets it place one, leaves the
stored position as it found it.
"""
import configparser
import os
import shutil
import signal
import subprocess
import sys
import traceback

from harness import Game, check


def start_weston(game):
    runtime = os.path.join(game.root, "runtime")
    os.makedirs(runtime, mode=0o700)
    socket = "tarvik-%d" % os.getpid()
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=socket)
    env.pop("DISPLAY", None)
    # --debug lets weston-debug read the scene graph, where a mapped window shows up.
    with open(os.path.join(game.root, "weston.log"), "w") as log:
        weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--socket=" + socket,
             "--width=1280", "--height=1024", "--debug"],
            env=env, stdout=log, stderr=subprocess.STDOUT)
    game.poll(lambda: os.path.exists(os.path.join(runtime, socket)), 20, "Weston's socket")
    game.env = dict(env, QT_QPA_PLATFORM="wayland", SDL_AUDIODRIVER="dummy")
    return weston


def window_mapped(game):
    if game.program.poll() is not None:
        raise RuntimeError("the program ended early; see %s" % game.error_path)
    scene = subprocess.run(["weston-debug", "scene-graph"], env=game.env, capture_output=True,
                           text=True, timeout=10).stdout
    return "top-level window 'Tarvik' of org.tarvik.Tarvik" in scene


def scenario(game):
    game.write_settings("[others]\nleft=100\ntop=80\n")
    game.start()
    game.poll(lambda: window_mapped(game), 20, "the window on Weston")
    game.program.send_signal(signal.SIGTERM)
    check(game.wait_exit() == 0, "exit status %s" % game.program.returncode)
    with open(game.error_path) as error:
        complaints = [line for line in error if "fail" in line.lower() or "error" in line.lower()]
    check(not complaints, "the game complained: %s" % complaints)
    settings = configparser.ConfigParser(interpolation=None)
    check(settings.read(game.settings_path) and settings.has_section("statusOption"),
          "the settings were not saved")
    position = (settings.getint("others", "left"), settings.getint("others", "top"))
    check(position == (100, 80), "the stored position became %s" % (position,))

def main():
    game = Game(sys.argv[1], "wayland")
    weston = None
    try:
        weston = start_weston(game)
        scenario(game)
    except Exception:
        traceback.print_exc()
        print("FAILED; files in %s" % game.root)
        return 1
    finally:
        game.close()
        if weston is not None and weston.poll() is None:
            weston.terminate()
            weston.wait(10)
    shutil.rmtree(game.root, ignore_errors=True)
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
