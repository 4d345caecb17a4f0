#!/bin/sh
# wrong_folder.sh TRAINER: the trainer started in a folder without SpS and
# Ida shows its one message and writes nothing there (no key files, no key
# list, no lock file). The message box waits for the learner, so the run is
# cut short after a few seconds.
trainer=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
timeout 4 "$trainer" >/dev/null 2>&1
status=$?
if [ "$status" -eq 0 ]; then
    echo "the trainer started normally in a folder without SpS and Ida"
    exit 1
fi
left=$(ls -A "$dir")
if [ -n "$left" ]; then
    echo "the trainer wrote into the wrong folder:"
    echo "$left"
    exit 1
fi
echo "no files written (exit status $status)"
