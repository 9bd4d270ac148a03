# Orca loads this from its settings folder at start. Its debug file is read
# while Orca runs, so each line must reach the file as it is written.
from orca import debug

if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
