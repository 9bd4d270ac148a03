#!/usr/bin/env bash
# The accessibility buses and the screen reader of one test run:
#   accessibility_session.sh WORK_DIR ORCA_SETTINGS_DIR
# Meant as the first process of a PID namespace of its own, so that whatever it
# starts, also what D-Bus starts on demand, ends with it, and so that Orca sees
# no other Orca of the same user: it refuses to start beside one, and its
# --replace would kill the player's own.
# Ready once Orca has said "Screen reader on." in WORK_DIR/orca.log.
set -euo pipefail
work=$1
# The bus daemon leaves for the background once it listens.
dbus-daemon --session --fork --address="$DBUS_SESSION_BUS_ADDRESS"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
gdbus wait --session --timeout 90 org.a11y.Bus # a loaded machine may take long
# What a desktop sets when the player turns the screen reader on.
for flag in IsEnabled ScreenReaderEnabled; do
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status "$flag" '<true>' >/dev/null
done
# Orca keeps its settings where it is told and writes there.
cp -r "$2" "$work/orca-settings"
orca --user-prefs "$work/orca-settings" --debug-file "$work/orca.log" --enable speech >"$work/orca.out" 2>&1 &
# Whichever ends first ends the session.
wait -n
