#!/usr/bin/env bash
# A peer whose machine vanishes (no FIN, no RST ever comes) loses its attachment within
# the server's detection time; a live peer that merely says nothing keeps it. The peer
# sits in a network namespace of its own behind a veth pair, whose far end then goes down.
# Needs root and iproute2; without them it says so and is reported as skipped.
set -euo pipefail
server=$1
if [ "$(id -u)" -ne 0 ] || ! command -v ip >/dev/null; then
  echo "skipped: needs root and iproute2 (ip netns)"; exit 77
fi
ns=vantro-vanish-$$ near=vvn$$ far=vvf$$ work=$(mktemp -d)
net=10.231.$(( $$ % 250 ))  # a subnet of this run's own
server_ip=$net.1 peer_ip=$net.2
cleanup() {
  kill "${server_pid:-}" "${peer_pid:-}" 2>/dev/null || true
  ip link del "$near" 2>/dev/null || true
  ip netns del "$ns" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
if ! ip netns add "$ns" 2>/dev/null; then
  echo "skipped: this machine allows no network namespace (a container without CAP_SYS_ADMIN?)"; exit 77
fi
ip link add "$near" type veth peer name "$far"
ip link set "$far" netns "$ns"
ip addr add "$server_ip/30" dev "$near" && ip link set "$near" up
ip -n "$ns" addr add "$peer_ip/30" dev "$far" && ip -n "$ns" link set "$far" up

"$server" --bind "$server_ip" --port 0 --dead-after 6 --log none >"$work/server.out" &
server_pid=$!
for _ in $(seq 50); do grep -q listening "$work/server.out" && break; sleep 0.1; done
port=$(sed -n 's/.*listening on .*:\([0-9]*\)$/\1/p' "$work/server.out")
[ -n "$port" ] || { echo "FAIL: the server did not say where it listens"; exit 1; }

attached() {  # how many are attached, as LIST says
  exec 4<>"/dev/tcp/$server_ip/$port"
  echo LIST >&4
  read -r -t 5 head <&4
  exec 4<&-
  echo "${head#OK }"
}

ip netns exec "$ns" bash -c "exec 3<>/dev/tcp/$server_ip/$port; echo 'ATTACH far peer' >&3;
  read -r -t 5 reply <&3; echo \"\$reply\"; sleep 120" >"$work/peer.out" &
peer_pid=$!
for _ in $(seq 50); do grep -q OK "$work/peer.out" && break; sleep 0.1; done
[ "$(attached)" = 1 ] || { echo "FAIL: the peer did not attach: $(cat "$work/peer.out")"; exit 1; }
sleep 10
[ "$(attached)" = 1 ] || { echo "FAIL: a live, silent peer lost its attachment"; exit 1; }

ip -n "$ns" link set "$far" down
start=$(date +%s)
while [ "$(attached)" = 1 ]; do
  if [ $(( $(date +%s) - start )) -gt 30 ]; then echo "FAIL: the vanished peer is still attached after 30 s"; exit 1; fi
  sleep 1
done
echo "the vanished peer's attachment went after $(( $(date +%s) - start )) s"
