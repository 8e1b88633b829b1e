#!/usr/bin/env bash
# A private CUPS scheduler for the end-to-end tests: its own configuration folder, its own
# local socket, its own spool and temporary folders, all inside one folder. It never reads
# or changes the machine's own printers or the system's configuration.
#
#   cups-sandbox.sh start DIR [WATCHED_PID]   sets up DIR (once) and starts the scheduler;
#                                             it is stopped as soon as WATCHED_PID ends
#   cups-sandbox.sh stop DIR                  stops the scheduler (SIGTERM) and waits for it
#   cups-sandbox.sh queue DIR NAME            adds the PDF queue NAME, enabled and accepting
#   cups-sandbox.sh env DIR                   prints the environment a client needs
#
# The queue writes each job as one PDF into DIR/out: the backend copies the job under a
# temporary name and renames it to job-NNNNN.pdf once it is complete.
set -euo pipefail

command=${1:?usage: cups-sandbox.sh start|stop|queue|env DIR ...}
dir=${2:?usage: cups-sandbox.sh $command DIR ...}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
socket=$dir/cups.sock
system_bin=/usr/lib/cups

client_env() {
    export CUPS_SERVER=$socket CUPS_SERVERROOT=$dir/conf TMPDIR=$dir/tmp
    unset PRINTER LPDEST
}

answers() { client_env; lpstat -r 2>/dev/null | grep -q 'is running'; }

set_up() {
    [ -f "$dir/conf/cupsd.conf" ] && return
    mkdir -p "$dir"/{conf/ppd,conf/ssl,spool,tmp,cache,state,log,out,bin/backend}
    # cupsd refuses folders and programs that others could change.
    chmod 0755 "$dir" "$dir/bin" "$dir/bin/backend" "$dir/out"
    chmod 1777 "$dir/tmp"
    for part in cgi-bin daemon driver filter monitor notifier; do
        [ -e "$system_bin/$part" ] && ln -s "$system_bin/$part" "$dir/bin/$part"
    done

    cat >"$dir/conf/cupsd.conf" <<EOF
Listen $socket
LogLevel warn
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
JobRetryLimit 0
MaxJobTime 60
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
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
EOF
    cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
FileDevice No
SystemGroup root
EOF

    # A PDF printer: the print system hands the backend the job's PDF as it is. Its page is
    # A4 wide and a third as high, so that a short run of fonts fills many pages.
    cat >"$dir/conf/vantreel-pdf.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "VTPDF.PPD"
*Manufacturer: "Vantreel"
*Product: "(Vantreel test PDF)"
*ModelName: "Vantreel test PDF"
*ShortNickName: "Vantreel test PDF"
*NickName: "Vantreel test PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Strip
*PageSize Strip/A4 Strip: "<</PageSize[595 256]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Strip
*PageRegion Strip/A4 Strip: "<</PageSize[595 256]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Strip
*ImageableArea Strip/A4 Strip: "18 18 577 238"
*DefaultPaperDimension: Strip
*PaperDimension Strip/A4 Strip: "595 256"
EOF

    cat >"$dir/bin/backend/vantreel-pdf" <<'EOF'
#!/bin/sh
# Writes each job as one PDF into the folder of its device URI (vantreel-pdf:/folder).
if [ $# -eq 0 ]; then
    echo 'direct vantreel-pdf "Unknown" "Vantreel test PDF"'
    exit 0
fi
umask 022
out=${DEVICE_URI#vantreel-pdf:}
name=$(printf 'job-%05d' "$1")
if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"$out/.$name.part" || exit 1
mv "$out/.$name.part" "$out/$name.pdf"
EOF
    chmod 0700 "$dir/bin/backend/vantreel-pdf"
}

case $command in
start)
    watched=${3:-}
    set_up
    if answers; then exit 0; fi
    rm -f "$socket"
    cupsd -t -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" >"$dir/log/config-check" 2>&1 || {
        cat "$dir/log/config-check" >&2
        exit 1
    }
    # Not a child of the test: setsid keeps the test's terminal signals away from it.
    setsid cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" </dev/null >>"$dir/log/stdout" 2>&1 &
    echo $! >"$dir/cupsd.pid"
    if [ -n "$watched" ]; then
        # Never leave a scheduler behind when the test that started it ends in any way; in a
        # session of its own, so that killing the test's process group does not end the watch.
        setsid bash -c 'while kill -0 "$1" 2>/dev/null && kill -0 "$2" 2>/dev/null; do sleep 1; done
                        kill -TERM "$2" 2>/dev/null || true' watch "$watched" $! </dev/null >/dev/null 2>&1 &
    fi
    for _ in $(seq 100); do
        answers && exit 0
        sleep 0.05
    done
    echo "the private scheduler did not answer; its error log:" >&2
    cat "$dir/log/error_log" "$dir/log/stdout" >&2 2>/dev/null || true
    exit 1
    ;;
stop)
    [ -f "$dir/cupsd.pid" ] || exit 0
    pid=$(cat "$dir/cupsd.pid")
    rm -f "$dir/cupsd.pid"
    # SIGTERM only: a scheduler stopped with SIGSTOP keeps its socket and blocks its clients.
    kill -TERM "$pid" 2>/dev/null || exit 0
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || exit 0
        sleep 0.05
    done
    echo "the private scheduler did not stop" >&2
    exit 1
    ;;
queue)
    name=${3:?usage: cups-sandbox.sh queue DIR NAME}
    client_env
    lpadmin -p "$name" -E -v "vantreel-pdf:$dir/out" -P "$dir/conf/vantreel-pdf.ppd"
    ;;
env)
    echo "CUPS_SERVER=$socket"
    echo "CUPS_SERVERROOT=$dir/conf"
    echo "TMPDIR=$dir/tmp"
    ;;
*)
    echo "unknown command: $command" >&2
    exit 2
    ;;
esac
