# Debian packages that building and testing Aerolume needs; sourced by run and test.
AEROLUME_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libcurl4-openssl-dev nlohmann-json3-dev
  fonts-ipafont-gothic
)
AEROLUME_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libcpp-httplib-dev
  clang libclang-rt-14-dev
  python3-jsonschema
)
# Making the Debian package and checking it (scripts/package).
AEROLUME_PACKAGE_PACKAGES=(
  dpkg-dev file lintian man-db appstream
)

# Installs what is missing, quietly; does nothing when everything is there.
aerolume_install() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}
