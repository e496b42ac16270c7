#!/usr/bin/env bash
# Installs into a temporary prefix, moves it, and lets the installed
# velmora-datadir make a working folder. It must equal, byte for byte, the one
# the build folder's velmora-datadir makes. As root, the installed programs run
# as another account with the checkout hidden, so anything they read from it
# would fail: behind an empty folder in a mount namespace of their own, or,
# where root may make none (a chroot, a container without CAP_SYS_ADMIN), by
# the checkout's mode 0700 while they run; the output says which, or that the
# checkout could not be hidden.
# Arguments: cmake, the build folder, the source folder.
set -euo pipefail
cmake="$1" bau="$2" quelle="$3"
t="$(mktemp -d)"
modus=""  # the checkout's own mode while the test has it at 0700
zurueck() { if [ -n "$modus" ]; then chmod "$modus" "$quelle"; modus=""; fi; }
trap 'zurueck; rm -rf "$t"' EXIT
trap 'exit 1' INT TERM HUP
chmod 0755 "$t"
# CMake's default component is everything this project installs; installed
# by name, its list of files goes to install_manifest_Unspecified.txt, so the
# build folder's install_manifest.txt, which the uninstall reads, stays as the
# last real installation wrote it
liste() { cat "$bau/install_manifest.txt" 2>/dev/null || echo "(keine)"; }
vorher="$(liste)"
"$cmake" --install "$bau" --prefix "$t/erst" --component Unspecified >/dev/null
if [ "$(liste)" != "$vorher" ]; then
  echo "FAIL: install_manifest.txt des Build-Ordners wurde überschrieben"
  exit 1
fi
mv "$t/erst" "$t/praefix"  # a moved prefix still finds its files
for p in velmora velmora-datadir; do
  [ -x "$t/praefix/bin/$p" ] || { echo "FAIL: bin/$p fehlt"; exit 1; }
done
"$bau/velmora-datadir" "$t/aus-bau"

konto=47103
mkdir "$t/heim"
if [ "$(id -u)" = 0 ]; then
  chown "$konto:$konto" "$t/heim"
  als=(setpriv --reuid="$konto" --regid="$konto" --clear-groups)
  erreicht() { "${als[@]}" test -x "$quelle" 2>/dev/null; }
  verbergen=()
  if unshare --mount true 2>/dev/null; then
    # a mount namespace of its own: the checkout (and a build folder inside it)
    # lies under an empty tmpfs there, for no one else
    verbergen=(unshare --mount bash -c 'mount -t tmpfs leer "$1" && shift && exec "$@"' - "$quelle")
  elif ! erreicht; then
    echo "ohne Mount-Namensraum: der Checkout ist für Konto $konto ohnehin nicht erreichbar"
  else
    # the other account may not enter a folder of mode 0700 that is not its own
    alt="$(stat -c %a "$quelle")"
    if chmod 0700 "$quelle" 2>/dev/null; then
      modus="$alt"
    fi
    if [ -n "$modus" ] && ! erreicht; then
      echo "ohne Mount-Namensraum: der Checkout hat für den Test den Modus 0700"
    else
      zurueck
      echo "ohne Mount-Namensraum: der Checkout bleibt für Konto $konto sichtbar"
    fi
  fi
else
  echo "nicht root: ohne Kontowechsel und ohne verborgenen Checkout"
  als=() verbergen=()
fi
laeuft() { env -i PATH=/usr/bin:/bin HOME="$t/heim" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@"; }

laeuft "${verbergen[@]}" "${als[@]}" "$t/praefix/bin/velmora-datadir" "$t/heim/velmora"
if ! diff -r "$t/aus-bau" "$t/heim/velmora"; then
  echo "FAIL: die Arbeitsordner unterscheiden sich"
  exit 1
fi

# the program starts in that folder and keeps running until it is ended
status=0
(cd "$t/heim/velmora" && laeuft timeout 3 "${verbergen[@]}" "${als[@]}" "$t/praefix/bin/velmora") >"$t/ausgabe" 2>&1 || status=$?
if [ "$status" != 124 ]; then
  echo "FAIL: velmora endete mit Status $status statt zu laufen"
  cat "$t/ausgabe"
  exit 1
fi
zurueck
echo "PASS"
