#!/bin/sh
# Runs a program with Qt's AT-SPI bridge able to come up: starts the AT-SPI bus launcher, which the
# bridge asks for the accessibility bus, on the session bus (run this under dbus-run-session, which
# gives the program a session bus of its own), runs the program and stops the launcher again.
#
#   with_atspi_bus.sh <at-spi-bus-launcher> <program> [arguments...]
launcher=$1
shift
"$launcher" >/dev/null 2>&1 &
launcher_pid=$!
"$@"
status=$?
kill "$launcher_pid" 2>/dev/null
wait "$launcher_pid" 2>/dev/null
exit $status
