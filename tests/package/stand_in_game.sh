#!/bin/sh
# Stands in for the game behind the menu launcher: tells where it was started.
pwd -P >"$STAND_IN_REPORT"
