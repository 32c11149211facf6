#!/bin/sh
# Runs a test in a network namespace of its own, loopback up, where it may
# filter its own packets with iptables (root, as CI is). Where no namespace
# can be made, the test runs outside one and is told why, so that it skips.
if ! command -v iptables >/dev/null 2>&1; then
  RINGLOOK_NO_NAMESPACE="iptables is not installed" exec "$@"
fi
if ! unshare -n sh -c 'ip link set lo up && iptables -L INPUT -n' >/dev/null 2>&1; then
  RINGLOOK_NO_NAMESPACE="unshare -n with iptables failed (not root, or no namespaces here)" exec "$@"
fi
exec unshare -n sh -c 'ip link set lo up && RINGLOOK_OWN_NAMESPACE=1 exec "$@"' in-namespace "$@"
