#!/usr/bin/env bash
# A private CUPS print system for the end-to-end printing test.
#
#   cups-test-printer.sh start DIR   starts cupsd on the socket DIR/cups.sock with two
#                                    cups-pdf printers, "Quorvel_PDF" (the default) and
#                                    "Quorvel_PDF_2", that write their PDF files to DIR/out;
#                                    prints the socket path (for CUPS_SERVER)
#   cups-test-printer.sh stop DIR    stops that cupsd and removes what "start" put outside DIR
#
# Everything lives in DIR; the system's CUPS daemon, spool and printers are left alone.
# The one exception: cups-pdf reads its settings (where to write the PDF files) only from
# /etc/cups, as cups-pdf-NAME.conf for the device URI cups-pdf:/NAME, so "start" puts
# such a file for DIR there and "stop" removes it (a later "start" also removes those
# whose folder is gone). The daemon runs under `timeout`, so it ends on its own even
# when nobody calls "stop".
#
# Exit status 77 with the reason on stderr means the print system cannot run here (not
# root, a package missing, the daemon does not come up): the caller reports the test as
# skipped. Every wait is bounded.
set -uo pipefail

readonly lifetime=${QUORVEL_CUPS_LIFETIME:-120} # seconds the daemon may live at most
readonly ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
readonly backend=/usr/lib/cups/backend/cups-pdf

skip() { echo "$*" >&2; exit 77; }
fail() { echo "$*" >&2; exit 1; }
usage() { fail "usage: $0 start|stop DIR"; }

[ $# -eq 2 ] || usage
action=$1
[ -d "$2" ] || fail "no such folder: $2"
dir=$(cd "$2" && pwd)
sock=$dir/cups.sock
# The cups-pdf name for DIR, and its settings file.
pdfname=quorvel-test-$(basename "$dir" | tr -c 'A-Za-z0-9_\n-' '_')
pdfconf=/etc/cups/cups-pdf-$pdfname.conf

# Removes the cups-pdf settings that earlier runs left for folders that are gone.
remove_stale_pdf_settings() {
    local conf out
    for conf in /etc/cups/cups-pdf-quorvel-test-*.conf; do
        [ -f "$conf" ] || continue
        out=$(sed -n 's/^Out //p' "$conf")
        if [ -z "$out" ] || [ ! -d "$out" ]; then rm -f "$conf"; fi
    done
}

stop() {
    local pid
    if [ -f "$dir/cupsd.pid" ]; then
        pid=$(cat "$dir/cupsd.pid")
        kill -TERM "$pid" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null
        rm -f "$dir/cupsd.pid"
    fi
    rm -f "$pdfconf"
    return 0
}

start() {
    [ "$(id -u)" -eq 0 ] || skip "the cups-pdf back end runs only under a CUPS daemon started as root"
    local tool
    for tool in cupsd lpadmin lpstat timeout gs; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    [ -x "$backend" ] || skip "the cups-pdf back end is not installed ($backend)"
    [ -r "$ppd" ] || skip "the cups-pdf driver is not installed ($ppd)"
    if [ ! -d /etc/cups ] || [ ! -w /etc/cups ]; then
        skip "/etc/cups is not writable, so cups-pdf cannot be told where to write"
    fi
    getent passwd lp >/dev/null || skip "there is no user lp to run the print filters"

    stop
    remove_stale_pdf_settings
    mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log,out} || fail "cannot make folders in $dir"
    # The filters run as lp: they need to reach the spool and the output folder.
    chmod 0755 "$dir" "$dir"/{etc,etc/ppd,cache,state,log}
    chmod 0710 "$dir/spool"
    chgrp lp "$dir/spool"
    chmod 1777 "$dir/spool/tmp" "$dir/out"

    cat >"$dir/etc/cupsd.conf" <<EOF
Listen $sock
Browsing No
LogLevel info
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
EOF
    cat >"$pdfconf" <<EOF
# Made by Quorvel's printing test for $dir; removed when the test ends.
Out $dir/out
AnonDirName $dir/out
Spool $dir/spool/cups-pdf
Log $dir/log
Label 1
Grp lp
UserUMask 0022
EOF

    # The daemon outlives this script, but not its lifetime.
    timeout -k 5 "$lifetime" cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
        >"$dir/log/cupsd.out" 2>&1 </dev/null &
    echo $! >"$dir/cupsd.pid"

    local up=no
    for _ in $(seq 100); do
        if [ -S "$sock" ] && timeout 5 lpstat -h "$sock" -r >/dev/null 2>&1; then
            up=yes
            break
        fi
        kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || break
        sleep 0.1
    done
    if [ "$up" != yes ]; then
        local reason
        reason=$(tail -n 3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')
        stop
        skip "the CUPS daemon did not start: $reason"
    fi

    # cups-pdf takes PostScript. Made by cairo, it keeps the text of the fonts that Qt
    # embeds, so pdftotext can read the PDF that comes out; Ghostscript's conversion
    # loses it.
    local queue
    for queue in Quorvel_PDF Quorvel_PDF_2; do
        timeout 15 lpadmin -h "$sock" -p "$queue" -E -v "cups-pdf:/$pdfname" -P "$ppd" \
            -o pdftops-renderer-default=pdftocairo 2>>"$dir/log/lpadmin" ||
            { stop; fail "lpadmin could not add the printer $queue"; }
    done
    timeout 15 lpadmin -h "$sock" -d Quorvel_PDF 2>>"$dir/log/lpadmin" ||
        { stop; fail "lpadmin could not make Quorvel_PDF the default printer"; }
    echo "$sock"
}

case $action in
    start) start ;;
    stop) stop ;;
    *) usage ;;
esac
