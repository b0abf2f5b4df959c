# as_root COMMAND...: runs the command as root: directly when the script
# already runs as root, through sudo otherwise. A user other than root on a
# machine without sudo is told what needs root, and the script stops.
# Sourced by the scripts that install Debian packages.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "This step needs root ($*): run the script as root, or install sudo." >&2
    exit 1
  fi
}
