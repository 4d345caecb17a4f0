#!/bin/sh
# bank_check.sh BANKCHECK PYTHON SOURCE_DIR DUMP SEEDS  (run in the working folder)
# Builds every question for SEEDS seeds and checks it, then checks the
# content against the variants dumped. Both steps always run. Every
# question must have a worked solution, proven for every seed and table row.
bankcheck=$1 python=$2 source=$3 dump=$4 seeds=$5
status=0
"$bankcheck" --seeds "$seeds" --solutions --dump "$dump" || status=1
"$python" "$source/tools/gen/check_content.py" --run . --bank "$dump" || status=1
exit $status
