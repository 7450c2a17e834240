# Sourced by tests that print: a CUPS server of the test's own, its files in
# a temporary folder of its own, reached through a socket there (exported as
# CUPS_SERVER), its process id added to "pids". Expects "pids" and "fail" to
# be set; the test's exit trap calls stop_private_cups.
#
# cups-pdf writes each job as a PDF into a folder of the submitting user's,
# taken from the password database (~/PDF as Debian sets it up), which every
# CUPS server on the machine shares. So that a test finds its own jobs' PDFs
# there, each server numbers its jobs from a range no other running test
# uses (from the shell's process id), and cups-pdf names each PDF after its
# job's number ("<title>-job_<number>.pdf").

cups_servers_started=0

# Starts a server with no queue and waits until it answers. Exports
# CUPS_SERVER, CUPS_PDF_FOLDER (where cups-pdf writes this user's PDFs),
# CUPS_FIRST_JOB (the number of the server's first job) and HOME (an empty
# folder: start_null_sink, which sets a home of its own, goes after it); sets
# cups_dir and cups_pid. One server at a time; up to 5 in one test, 100 jobs
# each.
start_private_cups() {
  [ -z "${cups_pid:-}" ] || fail "a private CUPS server is running already"
  [ "$cups_servers_started" -lt 5 ] || fail "a test starts at most 5 private CUPS servers"
  # Not under the test's folder: filters and backends run as "lp" and need
  # a path to the spool files (cupsd itself makes its ServerRoot readable).
  cups_dir=$(mktemp -d "${TMPDIR:-/tmp}/private-cups.XXXXXX")
  mkdir "$cups_dir"/{spool,cache,state,log,home}
  cat >"$cups_dir/cupsd.conf" <<EOF
Listen $cups_dir/cups.sock
Browsing No
WebInterface No
LogLevel warn
# Without it lpadmin is refused.
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
  cat >"$cups_dir/cups-files.conf" <<EOF
ServerRoot $cups_dir
RequestRoot $cups_dir/spool
CacheDir $cups_dir/cache
StateDir $cups_dir/state
AccessLog $cups_dir/log/access_log
ErrorLog $cups_dir/log/error_log
PageLog $cups_dir/log/page_log
User lp
EOF
  # The server reads its next job number from its job cache. Process ids
  # stay below 2^22, so the ranges stay below 2^31.
  export CUPS_FIRST_JOB=$((BASHPID * 500 + cups_servers_started * 100 + 1))
  echo "NextJobId $CUPS_FIRST_JOB" >"$cups_dir/cache/job.cache"
  cups_servers_started=$((cups_servers_started + 1))
  touch "$cups_dir/started" # PDFs older than this are an earlier test's

  # The server's socket, and no default of the user's own (lpoptions in the
  # home folder, PRINTER, LPDEST) to override the server's.
  cups_user_home=$HOME
  export CUPS_SERVER="$cups_dir/cups.sock" HOME="$cups_dir/home"
  unset PRINTER LPDEST
  export CUPS_PDF_FOLDER
  CUPS_PDF_FOLDER=$(cups_pdf_folder)

  cupsd -f -c "$cups_dir/cupsd.conf" -s "$cups_dir/cups-files.conf" </dev/null >"$cups_dir/log/cupsd.out" 2>&1 &
  cups_pid=$!
  pids+=("$cups_pid")
  local deadline=$((SECONDS + 20))
  until lpstat -r >/dev/null 2>&1; do
    if ! kill -0 "$cups_pid" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
      cat "$cups_dir/log/cupsd.out" "$cups_dir/log/error_log" 2>/dev/null
      fail "the private CUPS server did not start"
    fi
    sleep 0.1
  done
}

# Where cups-pdf writes the PDFs of this user's jobs: its "Out" setting
# (by default /var/spool/cups-pdf/${USER}), with the user's home from the
# password database, as cups-pdf runs as root and does not see $HOME.
cups_pdf_folder() {
  local user home out
  user=$(id -un)
  home=$(getent passwd "$user" | cut -d: -f6)
  out=$(awk '$1 == "Out" { print $2 }' /etc/cups/cups-pdf.conf 2>/dev/null)
  out=${out:-'/var/spool/cups-pdf/${USER}'}
  out=${out//'${HOME}'/$home}
  echo "${out//'${USER}'/$user}"
}

# The cups-pdf driver's PPD.
cups_pdf_ppd() {
  local ppd
  ppd=$(find /usr/share/ppd -name CUPS-PDF_opt.ppd -print -quit)
  [ -n "$ppd" ] || fail "no cups-pdf driver (CUPS-PDF_opt.ppd) under /usr/share/ppd"
  echo "$ppd"
}

# Adds a cups-pdf queue named $1 and makes it the server's default; $2 is
# the queue's PPD when it is not the driver's own.
add_pdf_queue() {
  local ppd=${2:-}
  [ -n "$ppd" ] || ppd=$(cups_pdf_ppd)
  # Label=2: the job's number at the end of each PDF's name. (CUPS warns
  # that printer drivers are deprecated, every time.)
  local said
  said=$(lpadmin -p "$1" -E -v cups-pdf:/ -P "$ppd" -o Label=2 2>&1) || fail "the queue $1 cannot be added: $said"
  lpadmin -d "$1" || fail "the queue $1 cannot be made the default"
  [ "$(lpstat -d)" = "system default destination: $1" ] || fail "the queue $1 is not the default: $(lpstat -d)"
}

# Waits up to $1 seconds (60 unless given) for every job of the server to
# end, then prints the path of each job's PDF, in the order of the jobs.
# Fails when a job is still pending then, or has no PDF (refused jobs have
# no job number and are not counted). Says why on standard error, as it is
# called as $(wait_for_job_pdfs).
wait_for_job_pdfs() {
  local deadline=$((SECONDS + ${1:-60})) pending ended job pdfs
  for (( ; ; )); do
    pending=$(lpstat -o) || fail "the private CUPS server does not answer" >&2
    [ -n "$pending" ] || break
    if [ "$SECONDS" -ge "$deadline" ]; then
      { lpstat -l -p; tail -n 20 "$cups_dir/log/error_log" 2>/dev/null; } >&2
      fail "print jobs still pending: $pending" >&2
    fi
    sleep 0.1
  done
  ended=$(lpstat -W completed -o) || fail "the private CUPS server does not answer" >&2
  for job in $(awk '{ sub(/.*-/, "", $1); print $1 }' <<<"$ended" | sort -n); do
    pdfs=$(find "$CUPS_PDF_FOLDER" -maxdepth 1 -name "*-job_$job.pdf" -newer "$cups_dir/started")
    [ -n "$pdfs" ] || fail "job $job ended without a PDF in $CUPS_PDF_FOLDER" >&2
    [ "$(wc -l <<<"$pdfs")" -eq 1 ] || fail "more than one PDF for job $job: $pdfs" >&2
    echo "$pdfs"
  done
}

# Stops the server by its process id and removes its folder and the PDFs
# of its jobs; does nothing when none is running. Call it from the test's
# exit trap, or to start another server.
stop_private_cups() {
  [ -n "${cups_pid:-}" ] || return 0
  local pdf number
  kill "$cups_pid" 2>/dev/null || true
  wait "$cups_pid" 2>/dev/null || true
  local kept=() pid
  for pid in "${pids[@]}"; do [ "$pid" = "$cups_pid" ] || kept+=("$pid"); done
  pids=("${kept[@]}")
  cups_pid=
  while IFS= read -r -d '' pdf; do
    number=${pdf##*-job_}
    number=${number%.pdf}
    [[ "$number" =~ ^[0-9]+$ ]] && [ "$number" -ge "$CUPS_FIRST_JOB" ] && [ "$number" -lt $((CUPS_FIRST_JOB + 100)) ] &&
      rm -f "$pdf"
  done < <(find "$CUPS_PDF_FOLDER" -maxdepth 1 -name '*-job_*.pdf' -newer "$cups_dir/started" -print0 2>/dev/null)
  rm -rf "$cups_dir"
  unset CUPS_SERVER
  export HOME=$cups_user_home
}
