# Kept for the scripts that still source it (the Windows skin engine's and
# browser pane's tests): start_xvfb and wait_for_window now live in the one
# test harness.
. "$(dirname "${BASH_SOURCE[0]}")/../tests/lib/harness.sh"
