#!/usr/bin/env bash
# Runs the print queue test (the program given as the first argument) against
# a CUPS server of its own, once for each state of the server: a cups-pdf
# queue as the default; that queue rejecting jobs; a server with no queue;
# then with no server at all. Each run is a process of its own, so that
# nothing the CUPS library remembers of one state is seen in the next.
set -euo pipefail
test_program=$1
source "$(dirname "$0")/../support/print_test.sh"
run_cases() { # $1: a gtest filter, which has to name some tests
  local said status=0
  said=$("$test_program" --gtest_filter="$1" 2>&1) || status=$?
  echo "$said"
  [ "$status" -eq 0 ] || fail "cases $1 failed"
  grep -q '^\[==========\] Running [1-9]' <<<"$said" || fail "no cases named $1"
}
# CUPS's messages in English, which the refusal test looks for.
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
export DEFAULT_QUEUE=minamo-pdf

start_private_cups
add_pdf_queue "$DEFAULT_QUEUE"
# Set up for Letter paper, the queue prints A4 only when the job asks for it.
lpadmin -p "$DEFAULT_QUEUE" -o PageSize=Letter
run_cases 'DefaultQueue.*:PdfFile.*'
pdfs=$(wait_for_job_pdfs)
[ "$(wc -l <<<"$pdfs")" -eq 1 ] || fail "one job was printed, these PDFs came: $pdfs"

# Of cupsreject and cupsdisable, only cupsreject makes the submission fail;
# a disabled queue takes the job and holds it.
cupsreject -r "closed for the test" "$DEFAULT_QUEUE"
run_cases 'RefusingQueue.*'
[ "$(wait_for_job_pdfs)" = "$pdfs" ] || fail "a refused job made a PDF"

# A printer that cannot print the outer 10 mm of an A4 sheet (28.35 points).
wide_ppd="$cups_dir/wide-margins.ppd"
sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "28.35 28.35 566.93 813.54"|' "$(cups_pdf_ppd)" >"$wide_ppd"
grep -q '^\*ImageableArea A4/A4: "28.35' "$wide_ppd" || fail "the A4 printable area of the PPD was not changed"
add_pdf_queue minamo-wide-margins "$wide_ppd"
DEFAULT_QUEUE=minamo-wide-margins PRINTER_MARGIN_MM=10 run_cases 'DefaultQueue.*'
[ "$(wait_for_job_pdfs | wc -l)" -eq 2 ] || fail "the second job's PDF did not come"
stop_private_cups

start_private_cups
run_cases 'NoDefaultPrinter.*'
stop_private_cups
HOME=/nonexistent CUPS_SERVER="$(mktemp -u)/no-server.sock" run_cases 'NoDefaultPrinter.*'
