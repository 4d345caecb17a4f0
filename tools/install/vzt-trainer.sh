#!/bin/sh
# vzt-trainer: starts the installed trainer in the learner's working folder.
#
#   vzt-trainer [--folder FOLDER]   start (FOLDER, else $VZT_FOLDER, else
#                                   $XDG_DATA_HOME/vzt-trainer, else
#                                   ~/.local/share/vzt-trainer)
#   vzt-trainer --version           print the version
#
# The trainer prepares the folder itself before its windows open: it copies
# the installed pictures and tables there when they are missing or older,
# creates the missing result logs, and touches nothing else.
set -u
here=$(dirname "$(readlink -f "$0")")
prefix=$(dirname "$here")
trainer=$prefix/lib/vzt-trainer/vzt-trainer
data=$prefix/share/vzt-trainer

usage() {
    echo "Запуск: vzt-trainer [--folder ТЕКА]"
    echo "        vzt-trainer --version"
}

menu=
folder=
while [ $# -gt 0 ]; do
    case $1 in
    --version) exec "$trainer" --version ;;
    -h | --help) usage; exit 0 ;;
    --from-menu) menu=--from-menu; shift ;;
    --folder=*) folder=${1#--folder=}; shift ;;
    --folder)
        if [ $# -lt 2 ]; then
            echo "vzt-trainer: після --folder потрібна назва теки" >&2
            exit 2
        fi
        folder=$2; shift 2 ;;
    *)
        echo "vzt-trainer: невідомий параметр: $1" >&2
        usage >&2
        exit 2 ;;
    esac
done

if [ -n "$folder" ]; then
    exec "$trainer" --launch --data "$data" $menu --folder "$folder"
fi
exec "$trainer" --launch --data "$data" $menu
