#!/usr/bin/env bash
# The players' build under 32-bit Wine. This machine cannot execute 32-bit x86 code, so the lane runs
# Debian's 32-bit Wine inside an i386 chroot, with every 32-bit instruction emulated by qemu-i386.
#
#   i686-wine.sh prepare              makes (or checks) the chroot, the emulator and its binfmt_misc entry
#   i686-wine.sh ctest BUILD [ARGS]   runs every test of BUILD/win32 there (ARGS go to ctest)
#   i686-wine.sh shell BUILD CMD...   runs CMD with `wine`, `wineserver` and `wineboot` taken from the chroot
#   i686-wine.sh run EXE [ARGS]       the win32 tree's test emulator: only inside `ctest` or `shell`; with
#                                     TR_QEMU_CPU=MODEL on that emulated processor (e.g. pentium2)
#
# What it leaves on the machine (the README says how to undo it):
#   $TR_I686_CACHE (default /var/cache/tumbleridge): the chroot and the unpacked emulator, made once;
#   the binfmt_misc entry "tumbleridge-i386" (binfmt_misc itself is mounted when it is not).
# The bind mounts into the chroot (/proc, /sys, /dev, /tmp with the X socket folder, the project tree) live in
# a private mount namespace and are unmounted when the command ends.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${TR_I686_CACHE:-/var/cache/tumbleridge}"
chroot_dir="$cache/i386-chroot"
qemu_dir="$cache/qemu-user"
qemu="$qemu_dir/usr/bin/qemu-i386"
binfmt=/proc/sys/fs/binfmt_misc
entry=tumbleridge-i386
marker=.tumbleridge-ready   # written last: a folder without it is half made

# Test cases the emulation cannot pass: Wine's server cannot read the memory of an emulated process, so
# every tool-help module snapshot (of another process or of the caller) fails with error 5. The process
# list works; only these cases are left out, and the test runner prints each one with this reason.
skip_cases=(ThisProgramIsFoundOnceByNameAndByPath QueriesAskedTogetherGetTheAnswersOfSingleChecks
            TheFirstModuleStandsForAProcessWithoutModuleId AStandInEngineIsFoundByItsFullPathOnly ARunningEngineInTheGameFolderRefusesTheStart
            ASecondLauncherOfTheSameFileNameEndsSilently
            ASecondLauncherOfADoubleByteFileNameEndsSilently TheMainDialogShowsWithoutTheMultimediaLibraryOrTheShell)
skip_reason="a tool-help module snapshot fails with error 5 under user-mode CPU emulation"

say() { echo "i686-wine: $*" >&2; }

mirror() {
    local uri=""
    if [ -n "${TR_DEBIAN_MIRROR:-}" ]; then echo "$TR_DEBIAN_MIRROR"; return; fi
    uri="$(grep -hsE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
           awk '/ bookworm / { for (i = 2; i <= NF; i++) if ($i ~ /^https?:\/\//) { print $i; exit } }')"
    [ -n "$uri" ] || uri="$(awk '/^URIs:/ { u = $2 } /^Suites:/ && / bookworm( |$)/ { print u; exit }' \
                            /etc/apt/sources.list.d/*.sources 2>/dev/null)"
    echo "${uri:-http://deb.debian.org/debian}"
}

qemu_works() { [ -f "$qemu_dir/$marker" ] && "$qemu" --version 2>/dev/null | grep -q '^qemu-i386 version'; }

# qemu 10 from bookworm-backports, downloaded with a private sources list and unpacked (never installed):
# bookworm's own qemu spends about a minute of CPU in every Wine start.
make_qemu() {
    local tmp; tmp="$(mktemp -d)"
    say "downloading qemu-user from bookworm-backports"
    mkdir -p "$tmp/lists/partial" "$tmp/archives/partial"
    echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $(mirror) bookworm-backports main" \
        >"$tmp/sources.list"
    local opts=(-o Dir::Etc::SourceList="$tmp/sources.list" -o Dir::Etc::SourceParts=/dev/null
                -o Dir::State::Lists="$tmp/lists" -o Dir::Cache="$tmp" -o Dir::Cache::pkgcache=""
                -o Dir::Cache::srcpkgcache="" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
    apt-get "${opts[@]}" -qq update
    (cd "$tmp" && apt-get "${opts[@]}" -qq download qemu-user)
    dpkg-deb -x "$tmp"/qemu-user_*.deb "$tmp/unpacked"
    rm -rf "$qemu_dir"
    mkdir -p "$qemu_dir/usr/bin"
    cp "$tmp/unpacked/usr/bin/qemu-i386" "$qemu"   # the one emulator needed, static
    rm -rf "$tmp"
    "$qemu" --version | head -n1 >&2
    touch "$qemu_dir/$marker"
}

# The kernel hands every i386 ELF to the emulator; with the F flag it opens the emulator now, so the
# entry also serves inside the chroot, where the emulator's path does not exist.
register_binfmt() {
    mountpoint -q "$binfmt" || mount -t binfmt_misc binfmt_misc "$binfmt"
    [ -e "$binfmt/$entry" ] && echo -1 >"$binfmt/$entry"
    local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":$entry:M::$magic:$mask:$qemu:F" >"$binfmt/register"
}

binfmt_works() {
    mountpoint -q "$binfmt" && grep -qx enabled "$binfmt/$entry" 2>/dev/null &&
        grep -q "^interpreter $qemu\$" "$binfmt/$entry" && grep -q '^flags: F' "$binfmt/$entry"
}

chroot_works() {
    # Wine finds its libraries through /proc/self/exe: mount /proc for the check (in a private namespace).
    [ -f "$chroot_dir/$marker" ] && [ -x "$chroot_dir/usr/bin/wine" ] &&
        unshare --mount --propagation private sh -c 'mount -t proc proc "$1/proc" && chroot "$1" /usr/bin/wine --version' \
            sh "$chroot_dir" 2>/dev/null | grep -q '^wine-'
}

make_chroot() {
    local started=$SECONDS
    say "making the i386 chroot with 32-bit Wine in $chroot_dir (once per machine)"
    umount_below "$chroot_dir"
    rm -rf --one-file-system "$chroot_dir"
    debootstrap --arch=i386 --variant=minbase --include=wine,wine32 bookworm "$chroot_dir" "$(mirror)" \
        >"$cache/debootstrap.log" 2>&1 || { say "debootstrap failed, see $cache/debootstrap.log"; return 1; }
    chroot "$chroot_dir" apt-get clean
    touch "$chroot_dir/$marker"
    say "chroot made in $((SECONDS - started)) s"
}

# The Japanese locale of the code-page-932 tests (Wine takes the ANSI code page from the locale), made by the
# chroot's own localedef from the host's locale sources (package locales, the same Debian release): the
# chroot's minimal system carries no sources. About 6 s under emulation, once per chroot.
chroot_locale_works() { chroot "$chroot_dir" /usr/bin/locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; }

make_chroot_locale() {
    local sources="$chroot_dir/var/tmp/tumbleridge-i18n" code=0
    if [ ! -d /usr/share/i18n/locales ]; then
        say "no locale sources in /usr/share/i18n (scripts/setup.sh installs the package locales)"
        return 1
    fi
    say "making the locale ja_JP.UTF-8 in the chroot"
    rm -rf "$sources"
    cp -r /usr/share/i18n "$sources"
    chroot "$chroot_dir" /usr/bin/env I18NPATH=/var/tmp/tumbleridge-i18n /usr/bin/localedef -i ja_JP -f UTF-8 \
        ja_JP.UTF-8 || code=$?
    rm -rf "$sources"
    return $code
}

# Leftovers of an interrupted run in another mount namespace cannot be here, but a crashed older run of
# the host namespace might have left some.
umount_below() {
    local dir="$1" m
    [ -d "$dir" ] || return 0
    for m in $(awk -v d="$dir/" 'index($2, d) == 1 { print $2 }' /proc/self/mounts | sort -r); do
        umount -l "$m" 2>/dev/null || true
    done
}

prepare() {
    mkdir -p "$cache"
    exec 9>"$cache/.lock"
    flock 9   # one maker at a time; the others wait and then reuse
    qemu_works || make_qemu
    binfmt_works || register_binfmt
    if ! chroot_works; then
        if [ -f "$chroot_dir/$marker" ]; then
            say "the chroot does not run: registering the emulator again"
            register_binfmt
        fi
        chroot_works || make_chroot
        chroot_works || { say "the chroot does not run 32-bit programs"; return 1; }
    fi
    chroot_locale_works || make_chroot_locale
    exec 9>&-
}

mounted=()
bind() {
    mkdir -p "$chroot_dir$1"
    mount --rbind "$1" "$chroot_dir$1"
    mounted+=("$chroot_dir$1")
}

unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R -l "${mounted[$i]}" 2>/dev/null || true; done
    mounted=()
    [ -n "${shims:-}" ] && rm -rf "$shims"
    return 0
}

# Runs "$@" with the chroot's Wine first on PATH, in a private mount namespace (what is mounted there
# disappears with the namespace even when this shell is killed; the trap unmounts it on any other end).
in_lane() {
    local root_dir="$1" build="$2"; shift 2
    trap 'unmount_all' EXIT
    trap 'exit 130' INT TERM
    local d
    for d in /proc /sys /dev "$root_dir"; do bind "$d"; done
    case "$build/" in "$root_dir"/*) ;; *) bind "$build" ;; esac
    # /tmp with the X socket folder: the scripts also hand Wine files they made with mktemp.
    bind /tmp
    shims="$(mktemp -d)"
    local tool
    for tool in wine wineserver wineboot; do
        cat >"$shims/$tool" <<EOF
#!/bin/sh
# $tool of the i386 chroot, run in the same folder (the build tree has the same path inside)
wd="\$PWD"; [ -d "$chroot_dir\$wd" ] || wd=/
PATH=/usr/sbin:/usr/bin:/sbin:/bin exec unshare --root="$chroot_dir" --wd="\$wd" /usr/bin/$tool "\$@"
EOF
        chmod +x "$shims/$tool"
    done
    # A disc case starts several emulated programs: give it the time of the other limits (four times).
    export TR_DISC_CASE_TIMEOUT="${TR_DISC_CASE_TIMEOUT:-240}"
    export PATH="$shims:$PATH" TR_I686_LANE=1 TR_SKIP_CASES="${skip_cases[*]}" TR_SKIP_REASON="$skip_reason"
    set +e
    "$@"
    local code=$?
    set -e
    return $code
}

lane() {
    local build="$1"; shift
    prepare
    build="$(cd "$build" && pwd)"
    exec unshare --mount --propagation private -- "$0" _inside "$(cd "$here/.." && pwd)" "$build" "$@"
}

win32_ctest() {
    local build="$1"; shift
    . "$here/wine-env.sh"
    trap tr_wine_stop EXIT
    tr_wine_start "$build" wineprefix32
    local code=0
    ctest --test-dir "$build/win32" --output-on-failure "$@" || code=$?
    # ctest shows the output of passing tests nowhere: name the skipped cases here, with their reason.
    grep -h '^skipped ' "$build/win32/Testing/Temporary/LastTest.log" 2>/dev/null | sed 's/^/i686-wine: /' || true
    return $code
}

# Runs a program on another emulated processor model (TR_QEMU_CPU, e.g. pentium2, set by the test). Wine's
# server takes the processor's features from the model it runs on and every Wine program reads them there
# (Wine's own msvcrt then uses SSE2 where the server's processor had it), so the server is started again on
# that model first, and on the default model after the program.
run_on_cpu() {
    local cpu="$1"; shift
    . "$here/wine-env.sh"
    local code=0
    (export QEMU_CPU="$cpu"; tr_wine_restart_server)
    QEMU_CPU="$cpu" "$here/wine-run.sh" "$@" || code=$?
    (unset QEMU_CPU; tr_wine_restart_server)
    return $code
}

case "${1:-}" in
    prepare | ctest | shell) [ "$(id -u)" -eq 0 ] || exec sudo -E "$0" "$@" ;;
esac
case "${1:-}" in
    prepare) prepare ;;
    ctest) build="$(cd "$2" && pwd)"; shift 2; lane "$build" bash "$0" _ctest "$build" "$@" ;;
    shell) build="$2"; shift 2; lane "$build" "$@" ;;
    _inside) shift; in_lane "$@" ;;
    _ctest) shift; win32_ctest "$@" ;;
    run)
        shift
        [ "${TR_I686_LANE:-}" = 1 ] || { say "i686 tests run only through '$0 ctest BUILD'"; exit 1; }
        [ -n "${TR_QEMU_CPU:-}" ] || exec "$here/wine-run.sh" "$@"
        run_on_cpu "$TR_QEMU_CPU" "$@" ;;
    *) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
