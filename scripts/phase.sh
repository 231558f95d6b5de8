# Sourced by scripts/test.sh: phase NAME COMMAND... runs the command and notes its
# wall-clock seconds in build/phases.log for the summary. Needs the project's folder as the
# current one.
phase() {
  local name=$1 start=$SECONDS status=0
  shift
  "$@" || status=$?
  echo "$name $((SECONDS - start)) s" >>build/phases.log
  return $status
}
