#!/usr/bin/env python3
"""Times the download of one update from the local update server three ways in the same run:
the launcher's own download code, a bare WinINet loop with the same 1,024-byte reads (the floor
of that design) and curl. Prints throughput, CPU time per MiB and the launcher's ratios against
the other two. Run through update_download.sh, which prepares Wine."""
import argparse
import json
import os
import resource
import socket
import statistics
import subprocess
import sys
import tempfile
import urllib.request

MIB = 1024 * 1024


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def run_windows(args, method, url):
    out = subprocess.run([args.wine, args.exe, method, url], capture_output=True, text=True,
                         timeout=600, check=True).stdout.split()
    wall, cpu, size, digest = float(out[0]), float(out[1]), int(out[2]), float(out[3])
    if size != args.size:
        sys.exit(f"{method}: got {size} bytes instead of {args.size}")
    return wall, cpu, digest


def run_curl(args, url):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    out = subprocess.run(["curl", "-s", "-o", "/dev/null", "-w", "%{time_total} %{size_download}", url],
                         capture_output=True, text=True, timeout=600, check=True).stdout.split()
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if int(out[1]) != args.size:
        sys.exit(f"curl: got {out[1]} bytes instead of {args.size}")
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return float(out[0]), cpu, 0.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--server", required=True)
    parser.add_argument("--size", type=int, default=64 * MIB)
    parser.add_argument("--repeats", type=int, default=3)
    args = parser.parse_args()

    port = free_port()
    pid_file = os.path.join(tempfile.gettempdir(), f"update_bench_server_{os.getpid()}.pid")
    subprocess.run([sys.executable, args.server, "start", "--port", str(port), "--pid-file", pid_file,
                    "--lifetime", "1200"], check=True, timeout=30)
    try:
        base = f"http://127.0.0.1:{port}"
        route = {"routes": [{"path": "/update.exe", "size": args.size}]}
        urllib.request.urlopen(base + "/__control", json.dumps(route).encode(), timeout=10).read()
        url = base + "/update.exe"

        # One untimed run of each first: the first Wine programs of a session start slowly.
        run_windows(args, "bare", url)
        run_windows(args, "launcher", url)
        results = {"bare WinINet, 1 KiB reads": [], "launcher download": [], "curl": []}
        for _ in range(args.repeats):  # interleaved, so drift hits every method alike
            results["bare WinINet, 1 KiB reads"].append(run_windows(args, "bare", url))
            results["launcher download"].append(run_windows(args, "launcher", url))
            results["curl"].append(run_curl(args, url))
    finally:
        subprocess.run([sys.executable, args.server, "stop", "--pid-file", pid_file], timeout=30)

    mib = args.size / MIB
    speed = {}
    print(f"download of {mib:.0f} MiB from 127.0.0.1, median of {args.repeats} runs each")
    print(f"{'method':28} {'MB/s':>9} {'(min-max)':>15} {'CPU ms/MiB':>11}")
    for name, runs in results.items():
        walls = [w for w, _, _ in runs]
        cpu = statistics.median(c for _, c, _ in runs)
        speed[name] = args.size / statistics.median(walls) / 1e6
        spread = f"{args.size / max(walls) / 1e6:.1f}-{args.size / min(walls) / 1e6:.1f}"
        print(f"{name:28} {speed[name]:9.1f} {spread:>15} {cpu * 1000 / mib:11.2f}")
        runs_text = " ".join(f"{args.size / w / 1e6:.0f}" for w in walls)
        print(f"{'':28} runs in order, MB/s: {runs_text}")
    launcher = speed["launcher download"]
    bare = speed["bare WinINet, 1 KiB reads"]
    digest = statistics.median(d for _, _, d in results["launcher download"])
    without_digest = args.size / (args.size / launcher / 1e6 - digest) / 1e6
    rounds = [b[0] / l[0] for b, l in zip(results["bare WinINet, 1 KiB reads"], results["launcher download"])]
    print(f"launcher / bare WinINet loop: {launcher / bare:.3f}  (target >= 0.9); "
          f"median of the rounds' own ratios: {statistics.median(rounds):.3f}")
    print(f"launcher / curl:              {launcher / speed['curl']:.3f}")
    print(f"of which the MD5 digest of the file: {digest * 1000:.0f} ms; "
          f"without it launcher / bare WinINet loop: {without_digest / bare:.3f}")


if __name__ == "__main__":
    main()
