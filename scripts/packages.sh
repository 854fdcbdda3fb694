# Debian packages the build, the program and the tests need; installs only what is missing.
PACKAGES="cmake g++ make qt6-base-dev libqt6sql6-ibase libfbclient2 firebird3.0-server-core
firebird3.0-utils firebird3.0-server libfreexl-dev libgsf-1-dev libzip-dev pkgconf fonts-liberation
poppler-utils"

install_missing() {
  local missing=""
  for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  # No service a package brings (the Firebird server) is started: the tests start their own.
  local policy="" rc=0
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    policy=/usr/sbin/policy-rc.d
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" > /dev/null
    $sudo chmod +x "$policy"
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing || rc=$?
  [ -n "$policy" ] && $sudo rm -f "$policy"
  return $rc
}

build() {
  cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$ROOT/build" -j"$(nproc)"
}
