#!/usr/bin/env bash
# Prints the chart from the real window on a real printer: a private CUPS server of its own
# (loopback port, own configuration, spool, logs and state in a temporary folder) with a cups-pdf
# queue "QuorvelPDF", then reads the printed page back.
#
#   printer-e2e.sh page <quorvel-e2e-printer>       the queue is the default: print, check the
#                                                    job's title and the page
#   printer-e2e.sh nodefault <quorvel-e2e-printer>  the queue exists but nothing is the default:
#                                                    the error box, and no job
#   printer-e2e.sh refused <quorvel-e2e-printer>    the default queue rejects jobs: the error
#                                                    box, and no job
#
# QUORVEL_E2E_KEEP=<folder> keeps the PDF, the rendered page and the reference there for a look.
# Exit status: 0 passed, 77 skipped (a program the test needs is missing, or not run as root),
# anything else failed.
# Everything lives in one temporary folder (see below for the one exception where mounts are not
# allowed); cupsd is stopped and the folder removed on every way out.
set -euo pipefail

mode=${1:-}
helper=${2:-}
queue=QuorvelPDF

skip() { echo "SKIP: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

case "$mode" in page | nodefault | refused) ;; *) fail "usage: $0 page|nodefault|refused <quorvel-e2e-printer>" ;; esac
[ -x "$helper" ] || fail "no test program at '$helper'"

# What the test needs from the machine. A missing program is a skip, not a failure: it means
# tools/install-deps.sh has not been run here.
PATH=$PATH:/usr/sbin:/sbin
for tool in cupsd lpadmin lpstat cupsreject ipptool pdftoppm timeout; do
  command -v "$tool" >/dev/null || skip "'$tool' is not installed (tools/install-deps.sh installs it)"
done
backend=/usr/lib/cups/backend/cups-pdf
system_ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -e "$backend" ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
[ -r "$system_ppd" ] || skip "the cups-pdf PPD is not installed (printer-driver-cups-pdf)"
# cupsd runs cups-pdf as root only when cupsd itself runs as root; CI does.
[ "$(id -u)" -eq 0 ] || skip "cups-pdf needs a cupsd started as root; run this test as root"

work=$(mktemp -d "${TMPDIR:-/tmp}/qcups.XXXXXX")
cupsd_pid=""
queue_conf=""
cleanup() {
  local status=$?
  set +e
  if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
    kill "$cupsd_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    if [ -f "$work/log/error_log" ]; then
      echo "---- cupsd: last messages and job lines" >&2
      grep -E '^[EWI] |\[Job ' "$work/log/error_log" | tail -n 40 >&2
    fi
    for log in "$work"/pdflog/*_log; do
      [ -f "$log" ] && { echo "---- cups-pdf" >&2; tail -n 20 "$log" >&2; }
    done
  fi
  if [ -n "${QUORVEL_E2E_KEEP:-}" ]; then
    mkdir -p "$QUORVEL_E2E_KEEP" && cp -r "$work"/out/. "$work"/pdf/. "$QUORVEL_E2E_KEEP"/ 2>/dev/null
  fi
  [ -z "$queue_conf" ] || rm -f "$queue_conf"
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# cupsd hands jobs to filters running as user lp, which must reach the spool and its own
# temporary folder.
chmod 755 "$work"
mkdir -p "$work"/{etc,spool/tmp,cache,state,log,pdf,pdfspool,pdflog,client,home,runtime,out}
chmod 1777 "$work/spool/tmp"
chmod 700 "$work/runtime"

cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
Printcap $work/state/printcap
FileDevice No
CreateSelfSignedCerts no
CONF

# cups-pdf reads its settings from /etc/cups only (cups-pdf.conf, or cups-pdf-NAME.conf for the
# device cups-pdf:/NAME) and takes no file locations from the queue's PPD. Where mounts are
# allowed, cupsd gets a mount namespace of its own in which our file is bound over
# /etc/cups/cups-pdf.conf, so the machine's configuration is never touched. Elsewhere (a container
# without CAP_SYS_ADMIN) a per-queue file with this run's unique name goes into /etc/cups for the
# run's duration and is removed on the way out.
pdfconf="$work/cups-pdf.conf"
cat >"$pdfconf" <<CONF
Out $work/pdf
AnonDirName $work/pdf
Spool $work/pdfspool
Log $work/pdflog
Grp root
CONF
if unshare --mount --propagation private true 2>/dev/null; then
  device_uri=cups-pdf:/
  run_cupsd() {
    exec unshare --mount --propagation private sh -c \
      'mount --bind "$0" /etc/cups/cups-pdf.conf && exec "$@"' "$pdfconf" "$@"
  }
else
  instance=$(basename "$work")
  device_uri="cups-pdf:/$instance"
  queue_conf="/etc/cups/cups-pdf-$instance.conf"
  cp "$pdfconf" "$queue_conf"
  run_cupsd() { exec "$@"; }
  echo "mount namespaces are not allowed here; using $queue_conf for this run"
fi

port_in_use() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# Starts cupsd on a free loopback port; another port when the chosen one turns out taken.
start_cupsd() {
  local attempt
  for attempt in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 40000))
    port_in_use "$port" && continue
    cat >"$work/etc/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
ServerName 127.0.0.1
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel debug
MaxLogSize 0
DefaultAuthType None
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    (run_cupsd cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf") </dev/null \
      >>"$work/log/cupsd.out" 2>&1 &
    cupsd_pid=$!
    local i
    for i in $(seq 100); do
      kill -0 "$cupsd_pid" 2>/dev/null || break
      if lpstat -h "127.0.0.1:$port" -r 2>/dev/null | grep -q "is running"; then
        echo "cupsd $cupsd_pid listens on 127.0.0.1:$port (attempt $attempt)"
        return 0
      fi
      sleep 0.1
    done
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
    cupsd_pid=""
    echo "cupsd did not come up on port $port; trying another" >&2
  done
  cat "$work/log/cupsd.out" >&2 || true
  fail "cupsd did not start"
}
start_cupsd
server="127.0.0.1:$port"

# Every CUPS client from here on (lpadmin, lpstat, ipptool, Qt's print support) talks to our
# server only, with no lpoptions or client.conf of this machine or user in the way.
export CUPS_SERVER=$server
export CUPS_SERVERROOT=$work/client
export HOME=$work/home
export XDG_RUNTIME_DIR=$work/runtime
unset LPDEST PRINTER CUPS_USER CUPS_ENCRYPTION || true

# The queue's PPD settings outrank cups-pdf's own file: name the PDF after the job's title alone.
lpadmin -h "$server" -p "$queue" -E -v "$device_uri" -P "$system_ppd" -o Label=0 -o TitlePref=1 -o LogType=3 \
  2>&1 | grep -v "deprecated" >&2 || true
lpstat -h "$server" -p "$queue" >/dev/null 2>&1 || fail "the queue $queue was not created"

jobs_of() { lpstat -h "$server" -W "$1" -o "$queue" 2>/dev/null || true; }

export QUORVEL_E2E_DIR=$work/out
export QUORVEL_E2E_QUEUE=$queue

if [ "$mode" = nodefault ]; then
  timeout 60 "$helper" --gtest_filter='CupsPrinter.WithoutADefaultPrinterShowsTheErrorBoxAndPrintsNothing'
  [ -z "$(jobs_of all)" ] || fail "a job reached the queue without a default printer: $(jobs_of all)"
  echo "PASS: no default printer, error box shown, no job"
  exit 0
fi

lpadmin -h "$server" -d "$queue"

if [ "$mode" = refused ]; then
  cupsreject -h "$server" "$queue"
  timeout 60 "$helper" --gtest_filter='CupsPrinter.AJobTheQueueRefusesShowsTheErrorBox'
  [ -z "$(jobs_of all)" ] || fail "the rejecting queue holds a job: $(jobs_of all)"
  echo "PASS: the queue refused the job, error box shown"
  exit 0
fi
timeout 60 "$helper" --gtest_filter='CupsPrinter.PrintsTheChartFromTheWindow'

# The job must finish; a filter or backend failure stops the queue instead.
for _ in $(seq 300); do
  [ -n "$(jobs_of completed)" ] && [ -z "$(jobs_of not-completed)" ] && break
  if lpstat -h "$server" -p "$queue" 2>/dev/null | grep -q disabled; then
    fail "the queue stopped: $(lpstat -h "$server" -l -p "$queue")"
  fi
  sleep 0.1
done
[ -n "$(jobs_of completed)" ] || fail "no completed job after 30 s: $(jobs_of all)"
[ "$(jobs_of all | wc -l)" -eq 1 ] || fail "expected exactly one job, got: $(jobs_of all)"

# The job's title as the server holds it. Get-Job-Attributes, because Get-Jobs leaves the title
# out for a finished job that cupsd has already moved out of memory.
job_id=$(jobs_of completed | sed -n "s/^$queue-\([0-9]*\) .*/\1/p")
cat >"$work/job.test" <<'IPP'
{
  NAME "The job's title"
  OPERATION Get-Job-Attributes
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR integer job-id $job_id
  ATTR keyword requested-attributes job-name
  STATUS successful-ok
  DISPLAY job-name
}
IPP
titles=$(ipptool -c -d "job_id=$job_id" "ipp://$server/printers/$queue" "$work/job.test" | tail -n +2)
[ "$titles" = "diagramm" ] || fail "job $job_id has the title '$titles', expected 'diagramm'"
echo "job title: $titles"

# cups-pdf names its file after the title it was handed.
mapfile -t pdfs < <(find "$work/pdf" -name '*.pdf' -type f)
[ ${#pdfs[@]} -eq 1 ] || fail "expected one PDF from cups-pdf, found ${#pdfs[@]}: ${pdfs[*]:-none}"
echo "cups-pdf wrote ${pdfs[0]#"$work"/}"
[ "$(basename "${pdfs[0]}")" = diagramm.pdf ] || fail "cups-pdf named the file $(basename "${pdfs[0]}")"

pdftoppm -q -r 60 -png -singlefile "${pdfs[0]}" "$work/out/page"
QUORVEL_E2E_PAGE=$work/out/page.png timeout 60 "$helper" \
  --gtest_filter='CupsPrinter.PageShowsTheChartInItsCentralSeventyPercentOnWhitePaper'
echo "PASS: printed through $queue on $server"
