# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the test command: a CUPS scheduler of the test run's own, configured in a temporary
# folder and listening only on a local socket there, with a cups-pdf queue as its default
# printer. The report's print test prints on it and finds the PDF in $QUORVEL_TEST_PRINTS.
# Three more queues accept jobs but fail them, each in its own way: QuorvelRefuses takes no job
# (its policy lets no one submit), QuorvelAborts aborts every job (its device cannot be opened),
# and QuorvelCancels cancels every job (cups-pdf cannot make its output folder).

start_test_printer() {
    TEST_PRINTER_ROOT=$(mktemp -d /tmp/quorvel-cups.XXXXXX)
    TEST_PRINTER_INSTANCE="quorvel-test-$$"
    local root=$TEST_PRINTER_ROOT
    chmod 755 "$root"
    mkdir -p "$root"/{etc/ppd,spool/tmp,cache,state,log,out,pdf-spool}
    chmod 1777 "$root/out" "$root/pdf-spool" "$root/spool/tmp"
    cat > "$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice No
User lp
Group lp
SystemGroup root
CONF
    cat > "$root/etc/cupsd.conf" <<CONF
Listen $root/cups.sock
Browsing No
WebInterface No
LogLevel warn
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
<Policy refuse-jobs>
  <Limit Print-Job Create-Job>
    AuthType Default
    Require user quorvel-nobody
  </Limit>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    # cups-pdf reads the settings of an instance from a fixed folder, by the queue's name.
    as_root tee "/etc/cups/cups-pdf-$TEST_PRINTER_INSTANCE.conf" > /dev/null <<CONF
Out $root/out
AnonDirName $root/out
Spool $root/pdf-spool
Log $root/log
Label 1
CONF
    as_root tee "/etc/cups/cups-pdf-$TEST_PRINTER_INSTANCE-cancels.conf" > /dev/null <<CONF
Out /dev/null/out
AnonDirName /dev/null/out
Spool $root/pdf-spool
Log $root/log
CONF
    # Started directly (not through a shell function) so that $! is the scheduler itself, or the
    # sudo that relays the stop to it; it must not hold the command's output open either.
    local cupsd=(/usr/sbin/cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf")
    if [ "$(id -u)" -eq 0 ]; then
        "${cupsd[@]}" < /dev/null > /dev/null 2>&1 &
    else
        sudo "${cupsd[@]}" < /dev/null > /dev/null 2>&1 &
    fi
    TEST_PRINTER_PID=$!
    local tries
    for tries in $(seq 50); do
        [ -S "$root/cups.sock" ] && break
        sleep 0.1
    done
    export CUPS_SERVER="$root/cups.sock"
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    lpadmin -p QuorvelTest -E -v "cups-pdf:/$TEST_PRINTER_INSTANCE" -P $ppd
    lpadmin -d QuorvelTest
    lpadmin -p QuorvelRefuses -E -v "cups-pdf:/$TEST_PRINTER_INSTANCE" -P $ppd \
            -o printer-op-policy=refuse-jobs
    lpadmin -p QuorvelAborts -E -v serial:/nonexistent/tty -P $ppd -o printer-error-policy=abort-job
    lpadmin -p QuorvelCancels -E -v "cups-pdf:/$TEST_PRINTER_INSTANCE-cancels" -P $ppd
    export QUORVEL_TEST_PRINTS="$root/out"
}

stop_test_printer() {
    if [ -n "${TEST_PRINTER_PID:-}" ]; then
        as_root kill "$TEST_PRINTER_PID" 2>/dev/null
        wait "$TEST_PRINTER_PID" 2>/dev/null
    fi
    [ -n "${TEST_PRINTER_INSTANCE:-}" ] &&
        as_root rm -f "/etc/cups/cups-pdf-$TEST_PRINTER_INSTANCE.conf" \
            "/etc/cups/cups-pdf-$TEST_PRINTER_INSTANCE-cancels.conf"
    [ -n "${TEST_PRINTER_ROOT:-}" ] && as_root rm -rf "$TEST_PRINTER_ROOT"
    TEST_PRINTER_PID= TEST_PRINTER_INSTANCE= TEST_PRINTER_ROOT=
    return 0
}
