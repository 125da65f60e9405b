"""What the benchmark ran on: processor, the flags that matter to the scan, memory, kernel, tools, load."""
import os
import platform
import subprocess

# The instruction sets the scan and its candidates may use.
# Below this 1-minute load average the machine counts as quiet.
QUIET_LOAD = 1.5

FLAGS = ["sse4_2", "popcnt", "avx", "avx2", "bmi1", "bmi2", "hypervisor"]


def cpuinfo():
    """The first processor's fields in /proc/cpuinfo."""
    fields = {}
    with open("/proc/cpuinfo") as f:
        for line in f:
            if not line.strip():
                break
            key, _, value = line.partition(":")
            fields[key.strip()] = value.strip()
    return fields


def first_line(cmd):
    try:
        out = subprocess.run(cmd, capture_output=True, text=True).stdout
    except FileNotFoundError:
        return cmd[0] + " missing"
    return out.splitlines()[0] if out else cmd[0] + " (no version)"


def memory_gib():
    with open("/proc/meminfo") as f:
        for line in f:
            if line.startswith("MemTotal:"):
                return int(line.split()[1]) / 2**20
    return 0.0


def describe():
    """A dict describing this machine; 'cpu' names its section of the results."""
    info = cpuinfo()
    flags = info.get("flags", "").split()
    present = [f for f in FLAGS if f in flags] + sorted(f for f in flags if f.startswith("avx512"))
    return {
        "cpu": info.get("model name", platform.processor() or "unknown processor"),
        "logical_cpus": os.cpu_count(),
        "cores_per_socket": info.get("cpu cores", "?"),
        "cache": info.get("cache size", "?"),
        "flags": present,
        "memory_gib": memory_gib(),
        "kernel": "%s %s" % (platform.system(), platform.release()),
        "tools": [first_line(["c++", "--version"]), first_line(["cmake", "--version"]),
                  first_line(["rg", "--version"]), first_line(["grep", "--version"]),
                  first_line(["hyperfine", "--version"]), "Python " + platform.python_version()],
    }


def summary(m):
    return ("%s; %d logical CPUs (%s cores per socket), cache %s; %.0f GiB; %s.\n"
            "Flags: %s.\nTools: %s." % (m["cpu"], m["logical_cpus"], m["cores_per_socket"], m["cache"],
                                         m["memory_gib"], m["kernel"], " ".join(m["flags"]) or "none of interest",
                                         "; ".join(m["tools"])))


def load():
    """The 1-minute load average."""
    return os.getloadavg()[0]
