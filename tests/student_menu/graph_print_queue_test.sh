#!/usr/bin/env bash
# The graphs of two students on four levels, printed by the program's
# printing code (the program given as the first argument): on a cups-pdf
# queue that a CUPS server of the test's own has as its default, two print
# documents of two pages each; on a server without any queue, two PDF files
# in the data folder.
set -euo pipefail
test_program=$1
source "$(dirname "$0")/../support/print_test.sh"
export QT_QPA_PLATFORM=offscreen

start_private_cups
add_pdf_queue minamo-graphs
"$test_program" --gtest_filter='GraphPrintQueue.TwoStudentsOfFourLevelsGoToTheDefaultPrinter'
pdfs=$(wait_for_job_pdfs)
[ "$(wc -l <<<"$pdfs")" -eq 2 ] || fail "two print documents expected, the queue wrote: $pdfs"
while IFS= read -r pdf; do
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  [ "$pages" = 2 ] || fail "$pdf has $pages pages, not 2"
  pdfinfo "$pdf" | grep -q '^Page size:.*(A4)' || fail "$pdf is not A4: $(pdfinfo "$pdf" | grep 'Page size')"
done <<<"$pdfs"
QUEUED_PDFS=$pdfs "$test_program" --gtest_filter='QueuedGraphs.StayInsideTheMargins'
stop_private_cups

start_private_cups
"$test_program" --gtest_filter='GraphPrintQueue.WithoutAPrinterEachStudentIsAPdfFileOfTwoPages'
