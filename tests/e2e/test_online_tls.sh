# The deployment the README describes: the project's server behind nginx with TLS
# (server/deploy/nginx.conf as it is, only its port, names and paths replaced), a certificate
# authority of the test's own trusted in the test's Wine prefix alone, and the program on its
# default way, HTTPS: the start-up check, the update page, a bug report and the download of the
# signed update, which starts. nginx holds the server's limits before anything reaches it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

require "nginx is installed (scripts/setup)" command -v nginx
tls=$VTX_LOGDIR/tls
mkdir -p "$tls"
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
tls_port=$(free_port)
base=https://localhost:$tls_port/

# A certificate authority and the server's certificate, made for this test only.
make_certificates() {
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Vitrex Test CA" \
        -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
        -keyout "$tls/ca.key" -out "$tls/ca.pem" &&
        openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout "$tls/server.key" \
            -out "$tls/server.csr" &&
        printf '%s\n' "subjectAltName=DNS:localhost,IP:127.0.0.1" "basicConstraints=CA:FALSE" \
            "keyUsage=critical,digitalSignature,keyEncipherment" "extendedKeyUsage=serverAuth" >"$tls/server.ext" &&
        openssl x509 -req -in "$tls/server.csr" -CA "$tls/ca.pem" -CAkey "$tls/ca.key" -CAcreateserial \
            -days 2 -extfile "$tls/server.ext" -out "$tls/server.pem"
}
require "the test's authority and the server's certificate are made" make_certificates >>"$tls/openssl.log" 2>&1

require "the server starts behind the front end" server_up --behind-proxy --base-url "$base"
backend=$VITREX_SERVER_URL
backend_port=${backend##*:}
backend_port=${backend_port%/}

# The deployed site as it is, with the test's port, name, certificate and back end.
sed -e "s|listen 443 ssl;|listen 127.0.0.1:$tls_port ssl;|" \
    -e "s|server 127.0.0.1:8021;|server 127.0.0.1:$backend_port;|" \
    -e "s|server_name vitrex.example;|server_name localhost;|" \
    -e "s|/etc/ssl/vitrex.example.pem|$tls/server.pem|" \
    -e "s|/etc/ssl/vitrex.example.key|$tls/server.key|" \
    "$e2e_repo/server/deploy/nginx.conf" >"$tls/site.conf"
check_eq "every line the test replaces is in the deployed site" \
    "$(diff "$e2e_repo/server/deploy/nginx.conf" "$tls/site.conf" | grep -c '^>')" 5
mkdir -p "$tls/nginx"
{
    echo "daemon off;"
    echo "worker_processes 1;"
    [ "$(id -u)" != 0 ] || echo "user $(id -un) $(id -gn);"
    echo "pid $tls/nginx/nginx.pid;"
    echo "error_log $tls/nginx/error.log info;"
    echo "events { worker_connections 64; }"
    echo "http {"
    echo "    access_log $tls/nginx/access.log;"
    for temp in client_body proxy fastcgi uwsgi scgi; do echo "    ${temp}_temp_path $tls/nginx/$temp;"; done
    echo "    include $tls/site.conf;"
    echo "}"
} >"$tls/nginx.conf"
require "nginx accepts the configuration" nginx -t -p "$tls/nginx" -c "$tls/nginx.conf" >>"$tls/nginx-test.log" 2>&1
nginx -p "$tls/nginx" -c "$tls/nginx.conf" >>"$tls/nginx/stdout.log" 2>&1 &
nginx_pid=$!
trap 'kill -TERM $nginx_pid 2>/dev/null; wait $nginx_pid 2>/dev/null; vtx_server_down' EXIT
https() { curl -sS --cacert "$tls/ca.pem" "$@"; }
answers() { [ "$(https -o /dev/null -w '%{http_code}' "${base}update.php?check=1")" = 200 ]; }
require "nginx answers over HTTPS" vtx_wait_until 10 answers
check_eq "the start-up check's answer comes through" "$(https "${base}update.php?check=1" | tr -d '\r\n')" "$NEWER_BUILD"
check "a client that does not trust the test's authority is refused" bash -c "! curl -sS -o /dev/null '${base}update.php?check=1' 2>/dev/null"

# The server's limits hold at the front end already.
status_of() { https -o /dev/null -w '%{http_code}' "$@"; }
check_eq "a body over 1 MB is refused" \
    "$(head -c $((1024 * 1024 + 1)) /dev/zero | tr '\0' a | status_of --data-binary @- "${base}sendbug.php")" 413
check_eq "a chunked body over 1 MB is refused" \
    "$(head -c $((1024 * 1024 + 1)) /dev/zero | tr '\0' a | status_of -H 'Transfer-Encoding: chunked' --data-binary @- "${base}sendbug.php")" 413
long=$(head -c 9000 /dev/zero | tr '\0' a)
check_eq "a header line over 8 KB is refused" "$(status_of -H "X-Long: $long" "${base}update.php?check=1")" 400
check_eq "a request line over 8 KB is refused" "$(status_of "${base}update.php?check=1&x=$long")" 414
check_eq "nothing of it reached the server's reports" "$(sqlite3 "$DATABASE" 'SELECT count(*) FROM reports' 2>/dev/null || echo 0)" 0

# The program trusts the authority only in this test's prefix.
require "the test's authority is added to the prefix's trusted roots" \
    vtx_wine_run 60 "$(dirname "$VTX_PROBE")/vtxtrust.exe" "$(winepath -w "$tls/ca.pem")"
export VITREX_SERVER_URL=$base
own_program
installer=$(dirname "$VTX_E2E_EXE")/update.exe
marker=$(dirname "$VTX_E2E_EXE")/installer-ran.txt
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000
through_nginx() { grep -q "\"GET $1 HTTP/1.1\" 200" "$tls/nginx/access.log"; }
check "the start-up check goes over HTTPS through nginx" vtx_wait_until 20 through_nginx '/update.php?check=1'

newer_shown() { controls | awk -F'\t' '$5 == 1' | grep -q '99.0 Test'; }
load_page() {
    go_to_item "$UPDATE_ITEM"
    vtx_wait_until 20 newer_shown
}
check "the update page offers the newer release over HTTPS" load_page
check "its information came through nginx" through_nginx '/update.php?infos=1&language=en'

open_report_page
probe settext --hwnd "${edits[0]}" --text 'Over TLS' >/dev/null
probe combo --hwnd "$os_box" --select 1 >/dev/null
probe settext --hwnd "${edits[2]}" --text 'Sent through the front end' >/dev/null
probe click --hwnd "$(control_by Button Send)" >/dev/null
success_shown() { message_boxes | grep -q .; }
require "a message answers the sending" vtx_wait_until 20 success_shown
box=$(message_boxes | awk -F'\t' '{ print $1; exit }')
check "it says the report was sent" grep -qF 'Bug report send sucessfully.' <<<"$(probe children --hwnd "$box")"
probe close --hwnd "$box" >/dev/null
row=$(sqlite3 -separator '|' "$DATABASE" "SELECT title, text, address FROM reports ORDER BY id DESC LIMIT 1")
check_eq "the report reached the server's database" "$(cut -d'|' -f1,2 <<<"$row")" "Over TLS|Sent through the front end"
check_eq "with the sender's address the front end named" "$(cut -d'|' -f3 <<<"$row")" 127.0.0.1

# The signed update: downloaded over HTTPS, its digest (the server's, through OpenSSL) matched by
# the program's (the system's), its signature verified, and started.
go_to_item "$UPDATE_ITEM"
check "the update page shows again" vtx_wait_until 10 newer_shown
update_button=$(control_by Button Update)
require "its update button is found" test -n "$update_button"
probe click --hwnd "$update_button" >/dev/null
check "Vitrex ends for the installer" vtx_wait_until 30 eval '! app_running'
check "the installer downloaded over HTTPS was started" vtx_wait_until 20 test -e "$marker"
check "the download went through nginx" grep -q "GET /download.php" "$tls/nginx/access.log"
finish
