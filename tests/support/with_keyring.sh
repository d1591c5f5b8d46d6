#!/bin/sh
# Runs a command with a session bus of its own and a throw-away, unlocked Secret Service
# (gnome-keyring-daemon). HM_KEYRING=1 tells the command the keyring is up; without it the
# command is run anyway and HM_KEYRING_PROBLEM says why, so tests can skip with that reason.
if ! command -v dbus-run-session >/dev/null || ! command -v gnome-keyring-daemon >/dev/null; then
  HM_KEYRING_PROBLEM="dbus-run-session or gnome-keyring-daemon is not installed" exec "$@"
fi
home=$(mktemp -d) || exit 1
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
dbus-run-session -- sh -c '
  if printf secret | gnome-keyring-daemon --unlock --components=secrets >/dev/null 2>&1 &&
     gnome-keyring-daemon --start --components=secrets >/dev/null 2>&1; then
    export HM_KEYRING=1
  else
    export HM_KEYRING_PROBLEM="gnome-keyring-daemon did not start on the test session bus"
  fi
  exec "$@"' sh "$@"
