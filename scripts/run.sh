#!/usr/bin/env bash
# Builds, starts the reference service on 127.0.0.1:8470 (seeding it on first start)
# and starts the client from build/app/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Only the programs and the skin: the tests are not needed to run the product.
bash "$root/scripts/build.sh" Velomira VelomiraMain velomira-service velomira_skin
data="$root/build/service-data"
mkdir -p "$data"
# The client installs only update packages signed with this service's key.
key=$("$root/build/bin/velomira-service" --data "$data" --print-update-key)
if [[ ! $key =~ ^[0-9a-f]{64}$ ]]; then
  echo "The service printed no update signing key." >&2
  exit 1
fi
bash "$root/scripts/set-ini-value.sh" "$root/build/app/velomira.Ini" UPDATE KEY "$key"
seed=()
[ -f "$data/velomira.db" ] || seed=(--seed)
"$root/build/bin/velomira-service" --data "$data" "${seed[@]}" >"$root/build/service.log" 2>&1 &
service=$!
trap 'kill $service 2>/dev/null' EXIT
# Seeding the first time takes a moment: wait until the service answers.
for _ in $(seq 1 100); do
  (exec 3<>/dev/tcp/127.0.0.1/8470) 2>/dev/null && break
  sleep 0.2
done
echo "Service running on http://127.0.0.1:8470 (log: build/service.log)."
if [ -x "$root/build/app/Velomira" ]; then
  "$root/build/app/Velomira"
  # The launcher starts the main program and ends; stay until the client closes.
  while pgrep -x VelomiraMain >/dev/null; do sleep 1; done
else
  echo "The client is not built yet; the service keeps running until you press Ctrl+C."
  wait $service
fi
