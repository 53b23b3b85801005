# What the package tests share: an older package of the same program, and the versions Windows
# Installer lists. Sourced after lib.sh.

packages_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Builds Vitrex 0.0.1 as a package of the same upgrade code from the dist folder $1 into
# $VTX_LOGDIR/old and prints its path.
older_package() {
    env VITREX_DIST_DIR="$1" "$packages_repo/scripts/package" --no-build --msi-only --msi-version 0.0.1 \
        --out "$VTX_LOGDIR/old" >&2 || return 1
    ls "$VTX_LOGDIR"/old/Vitrex-*.msi | head -n 1
}

# The versions of Vitrex that Windows Installer lists as installed (Wine keeps the list in HKLM),
# one a line.
installed_versions() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
        awk 'function put() { if (name == "Vitrex") print version; name = version = "" }
             /^HKEY/ { put() } $1 == "DisplayName" { name = $3 } $1 == "DisplayVersion" { version = $3 }
             END { put() }'
}
