#!/bin/sh
# Runs Doxygen and shows its warnings; fails when there are any (so does Doxygen itself, with
# WARN_AS_ERROR, but it writes them to the log file only).
rm -f "$WARNINGS"
"$DOXYGEN" "$1"
status=$?
if [ -s "$WARNINGS" ]; then
  cat "$WARNINGS" >&2
  echo "Doxygen: $(wc -l <"$WARNINGS") warning line(s) in the headers' comments" >&2
  exit 1
fi
exit $status
