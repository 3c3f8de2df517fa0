#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measure which single faults the test suite catches.

For every fault in a list (tools/faults.json by default) this puts one small
change into a scratch copy of the repository's committed HEAD, rebuilds it
incrementally, runs the whole CTest suite and records which tests failed and
which Qt Test functions reported FAIL!. The change is then taken out again
before the next fault is tried.

  tools/fault-check.py [--faults tools/faults.json] [--only id,id] [--jobs 2]
                       [--keep] [--out fault-results.json]

A fault is an object with the keys id, kind, what, file, find and replace:
`find` must occur exactly once in `file` (relative to the repository root)
and is replaced by `replace`.

The scratch copy is a detached git worktree in a temporary directory,
removed at the end unless --keep (or --workdir) is given. It is configured
as a Release build (the configuration the project's own test script runs
first; the tests are the same in every build type, and an optimised build
runs the statistical race test, the soak and the text queries fastest) with
the tests on and the benchmarks off, which leaves out the benchmark programs
and their links.
Each fault rebuilds the default target: the Debian package test builds it
anyway, and only the changed file is compiled again.

Python 3 standard library only. Exit status 0 when the list ran, whatever
the catch rate; 2 when the copy could not be set up, built or tested
unfaulted.
"""

import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

BUILD_TYPE = "Release"
CONFIGURE_OPTIONS = [
    "-DCMAKE_BUILD_TYPE=" + BUILD_TYPE,
    "-DFURLOX_TESTS=ON",
    "-DFURLOX_BENCH=OFF",
    "-DFURLOX_FUZZ=OFF",
    "-DFURLOX_SANITIZE=OFF",
]
REQUIRED_KEYS = ("id", "kind", "what", "file", "find", "replace")


def log(message):
    print(message, file=sys.stderr, flush=True)


def run(cmd, cwd=None, env=None, timeout=None):
    """Runs a command in its own process group; returns (status, output).

    On a timeout the whole group is killed and the status is None."""
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            start_new_session=True)
    try:
        out, _ = proc.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, _ = proc.communicate()
        return None, out.decode("utf-8", "replace")
    except BaseException:
        # Interrupted: the command's whole group goes too.
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        proc.wait()
        raise
    return proc.returncode, out.decode("utf-8", "replace")


def git(repo, *args):
    status, out = run(["git", "-C", repo] + list(args))
    if status != 0:
        raise RuntimeError("git %s failed:\n%s" % (" ".join(args), out))
    return out.strip()


# ---------------------------------------------------------------------------
# The fault list


def load_faults(path, only):
    with open(path, encoding="utf-8") as f:
        faults = json.load(f)
    if not isinstance(faults, list):
        raise ValueError("%s: expected a JSON list of faults" % path)
    seen = set()
    for i, fault in enumerate(faults):
        missing = [k for k in REQUIRED_KEYS if not isinstance(fault.get(k), str)]
        if missing:
            raise ValueError("%s: fault #%d lacks %s" % (path, i + 1, ", ".join(missing)))
        if fault["id"] in seen:
            raise ValueError("%s: the id %r is used twice" % (path, fault["id"]))
        seen.add(fault["id"])
    if only:
        wanted = [s.strip() for s in only.split(",") if s.strip()]
        unknown = [w for w in wanted if w not in seen]
        if unknown:
            raise ValueError("unknown fault id(s): %s" % ", ".join(unknown))
        faults = [f for f in faults if f["id"] in wanted]
    return faults


# ---------------------------------------------------------------------------
# The scratch copy


class Tree:
    def __init__(self, repo, path, jobs, timeout):
        self.repo = repo
        self.path = path
        self.build = os.path.join(path, "build")
        self.jobs = jobs
        self.timeout = timeout
        self.tests = {}  # CTest name -> command list
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    def create(self, reuse):
        head = git(self.repo, "rev-parse", "HEAD")
        if reuse and os.path.exists(os.path.join(self.path, ".git")):
            here = git(self.path, "rev-parse", "HEAD")
            dirty = git(self.path, "status", "--porcelain", "--untracked-files=no")
            if here == head and not dirty:
                log("reusing the scratch copy in %s" % self.path)
                return head
            raise RuntimeError("%s is not a clean copy of HEAD %s; remove it or pick another --workdir"
                               % (self.path, head[:10]))
        git(self.repo, "worktree", "add", "--detach", self.path, head)
        return head

    def remove(self):
        status, out = run(["git", "-C", self.repo, "worktree", "remove", "--force", self.path])
        if status != 0:
            log("could not remove the worktree cleanly (%s); deleting it" % out.strip())
            shutil.rmtree(self.path, ignore_errors=True)
            run(["git", "-C", self.repo, "worktree", "prune"])

    def configure(self):
        status, out = run(["cmake", "-S", self.path, "-B", self.build] + CONFIGURE_OPTIONS)
        if status != 0:
            raise RuntimeError("configuring failed:\n" + out[-4000:])

    def find_tests(self):
        """After the first build: the tests CTest runs and their commands."""
        self._find_tests()

    def _find_tests(self):
        status, out = run(["ctest", "--show-only=json-v1"], cwd=self.build, env=self.env)
        if status != 0:
            raise RuntimeError("ctest --show-only failed:\n" + out[-2000:])
        info = json.loads(out[out.index("{"):])
        for test in info.get("tests", []):
            self.tests[test["name"]] = test.get("command") or []

    def _set_timeouts(self):
        # The suite gives every test 600 s; a fault that hangs a test should
        # cost less. The generated CTest files carry the value.
        for root, _, files in os.walk(self.build):
            if "CTestTestfile.cmake" in files:
                path = os.path.join(root, "CTestTestfile.cmake")
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                new = re.sub(r'TIMEOUT "\d+(\.\d+)?"', 'TIMEOUT "%d"' % self.timeout, text)
                if new != text:
                    with open(path, "w", encoding="utf-8") as f:
                        f.write(new)

    def make(self):
        cmd = ["cmake", "--build", self.build, "-j", str(self.jobs)]
        start = time.monotonic()
        status, out = run(cmd, env=self.env)
        return status == 0, out, time.monotonic() - start

    def ctest(self):
        """Runs the suite once; returns (seconds, {test: failure}) where a
        failure is {"status": ..., "functions": [...]}."""
        self._set_timeouts()
        junit = os.path.join(self.build, "fault-check-junit.xml")
        if os.path.exists(junit):
            os.remove(junit)
        cmd = ["ctest", "--output-on-failure", "-j", str(self.jobs), "--timeout", str(self.timeout),
               "--test-output-size-failed", "20000000", "--output-junit", junit]
        start = time.monotonic()
        status, out = run(cmd, cwd=self.build, env=self.env, timeout=self.timeout * (len(self.tests) + 2))
        seconds = time.monotonic() - start
        failures = parse_junit(junit) if os.path.exists(junit) else None
        if failures is None:
            failures = parse_ctest_text(out)
        if status != 0 and not failures:
            failures = {"(ctest)": {"status": "ctest ended with %s" % status, "functions": [],
                                     "output": out[-3000:]}}
        for name, failure in failures.items():
            # A test that failed without a FAIL! line in its captured output
            # (a crash, a timeout, a cut output) runs once more on its own.
            if not failure["functions"] and name in self.tests:
                failure["functions"] = self._rerun(name)
        return seconds, failures

    def _rerun(self, name):
        command = self.tests[name]
        if not command or not os.path.abspath(command[0]).startswith(os.path.abspath(self.build)):
            return []
        status, out = run(command + ["-o", "-,txt"], cwd=os.path.dirname(command[0]), env=self.env,
                          timeout=self.timeout)
        return fail_lines(out)


# ---------------------------------------------------------------------------
# Reading test results

FAIL_PREFIX = re.compile(r"^FAIL!\s*:\s*")


def fail_lines(text):
    """The Qt Test functions that reported FAIL!, as Class::function(row)."""
    found = []
    for line in text.splitlines():
        m = FAIL_PREFIX.match(line)
        if not m:
            continue
        rest = line[m.end():]
        open_at = rest.find("(")
        if open_at < 0:
            name = rest.split()[0] if rest.split() else rest
        else:
            depth, end = 0, None
            for i in range(open_at, len(rest)):
                if rest[i] == "(":
                    depth += 1
                elif rest[i] == ")":
                    depth -= 1
                    if depth == 0:
                        end = i + 1
                        break
            if end is None:
                close = rest.find(") ")
                end = close + 1 if close >= 0 else len(rest)
            name = rest[:end]
        if name not in found:
            found.append(name)
    return found


def parse_junit(path):
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError:
        return None
    failures = {}
    for case in root.iter("testcase"):
        status = case.get("status", "")
        failure = case.find("failure")
        if status in ("run", "passed", "disabled", "notrun") and failure is None:
            continue
        output = case.findtext("system-out") or ""
        message = failure.get("message", "") if failure is not None else status
        failures[case.get("name")] = {"status": message or status or "failed",
                                      "functions": fail_lines(output)}
    return failures


def parse_ctest_text(out):
    failures = {}
    for m in re.finditer(r"Test\s+#\d+:\s+(\S+)\s+\.+\**\s*(Failed|Timeout|Exception|Subprocess.*|\*\*\*.*)",
                         out):
        failures[m.group(1)] = {"status": m.group(2).strip("* "), "functions": []}
    if failures:
        functions = fail_lines(out)
        for failure in failures.values():
            failure["functions"] = list(functions)
    return failures


# ---------------------------------------------------------------------------
# One fault


def apply_and_check(tree, fault):
    result = {k: fault[k] for k in ("id", "kind", "what", "file")}
    path = os.path.join(tree.path, fault["file"])
    if not os.path.isfile(path):
        result.update(result="broken", reason="no such file: %s" % fault["file"])
        return result
    with open(path, "rb") as f:
        original = f.read()
    text = original.decode("utf-8")
    count = text.count(fault["find"])
    if count != 1:
        result.update(result="broken", reason="`find` occurs %d times" % count)
        return result
    try:
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text.replace(fault["find"], fault["replace"], 1))
        built, out, build_seconds = tree.make()
        result["build_seconds"] = round(build_seconds, 1)
        if not built:
            errors = [l for l in out.splitlines() if "error" in l.lower()][:8]
            result.update(result="broken", reason="does not compile", build_errors=errors)
            return result
        test_seconds, failures = tree.ctest()
        result["test_seconds"] = round(test_seconds, 1)
        result["failed_tests"] = failures
        result["result"] = "caught" if failures else "survived"
        return result
    finally:
        with open(path, "wb") as f:
            f.write(original)


def caught_by(result, width=None, compact=False):
    """Who caught a fault: `test: Class::function(row), ...` per CTest test.
    Compact keeps the first function of each test and counts the rest."""
    failures = result.get("failed_tests") or {}
    parts = []
    for test in sorted(failures):
        failure = failures[test]
        functions = failure["functions"]
        status = failure["status"]
        if functions:
            shown = functions[:1] if compact else functions
            text = "%s: %s" % (test, ", ".join(shown))
            if len(functions) > len(shown):
                text += " +%d" % (len(functions) - len(shown))
            if status and status.lower() not in ("failed", "fail"):
                text += " [%s]" % status
        else:
            text = "%s [%s]" % (test, status or "failed")
        parts.append(text)
    text = "; ".join(parts)
    if width and len(text) > width:
        text = text[:width - 3] + "..."
    return text


def print_report(results, head, seconds, baseline, final_failures):
    ran = [r for r in results if r["result"] in ("caught", "survived")]
    caught = [r for r in ran if r["result"] == "caught"]
    broken = [r for r in results if r["result"] == "broken"]
    idw = max([len(r["id"]) for r in results] + [2])
    kw = max([len(r["kind"]) for r in results] + [4])
    print()
    print("Faults against HEAD %s" % head[:10])
    print("%-*s  %-*s  %s" % (idw, "id", kw, "kind", "caught by (first failing function per test, +N more)"))
    print("%s  %s  %s" % ("-" * idw, "-" * kw, "-" * 40))
    for r in results:
        if r["result"] == "caught":
            where = caught_by(r, 200, compact=True)
        elif r["result"] == "survived":
            where = "SURVIVED"
        else:
            where = "BROKEN ENTRY: " + r.get("reason", "")
        print("%-*s  %-*s  %s" % (idw, r["id"], kw, r["kind"], where))
    print()
    rate = 100.0 * len(caught) / len(ran) if ran else 0.0
    print("caught %d of %d (%.0f%%)" % (len(caught), len(ran), rate))
    if broken:
        print("broken list entries (not run, not counted): %d: %s"
              % (len(broken), ", ".join(r["id"] for r in broken)))
    survivors = [r for r in ran if r["result"] == "survived"]
    if survivors:
        print()
        print("Survivors:")
        for r in survivors:
            print("  %s (%s, %s): %s" % (r["id"], r["kind"], r["file"], r["what"]))
    print()
    print("unfaulted suite: %.0f s; whole run: %.0f s" % (baseline, seconds))
    if final_failures:
        print("WARNING: the unfaulted suite failed when run again at the end: %s"
              % caught_by({"failed_tests": final_failures}))


def stop_on_term(signum, frame):
    raise KeyboardInterrupt


def main():
    signal.signal(signal.SIGTERM, stop_on_term)
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--faults", default=None, help="the fault list (default tools/faults.json)")
    parser.add_argument("--only", default="", help="comma-separated ids to run (default: all)")
    parser.add_argument("--jobs", type=int, default=2, help="parallel build and test jobs (default 2)")
    parser.add_argument("--keep", action="store_true", help="keep the scratch copy and its build")
    parser.add_argument("--workdir", default=None,
                        help="put the scratch copy here (kept); a clean copy of HEAD already there is reused")
    parser.add_argument("--out", default="fault-results.json", help="results as JSON (default ./fault-results.json)")
    parser.add_argument("--timeout", type=int, default=120, help="seconds per test (default 120)")
    parser.add_argument("--no-final-check", action="store_true",
                        help="skip running the unfaulted suite again at the end")
    args = parser.parse_args()

    script_dir = os.path.dirname(os.path.abspath(__file__))
    status, top = run(["git", "-C", script_dir, "rev-parse", "--show-toplevel"])
    if status != 0:
        log("not inside a git repository: %s" % script_dir)
        return 2
    repo = top.strip()
    faults_path = args.faults or os.path.join(repo, "tools", "faults.json")
    if not os.path.exists(faults_path) and not os.path.isabs(faults_path):
        faults_path = os.path.join(repo, faults_path)
    try:
        faults = load_faults(faults_path, args.only)
    except (OSError, ValueError) as e:
        log(str(e))
        return 2
    out_path = os.path.abspath(args.out)

    started = time.monotonic()
    temp = None
    if args.workdir:
        path = os.path.abspath(args.workdir)
        reuse = os.path.exists(path)
    else:
        temp = tempfile.mkdtemp(prefix="furlox-faults-")
        path = os.path.join(temp, "tree")
        reuse = False
    tree = Tree(repo, path, args.jobs, args.timeout)
    results = []
    head = ""
    created = False

    def write_json(baseline=0.0, final=None, complete=False):
        ran = [r for r in results if r["result"] in ("caught", "survived")]
        data = {
            "head": head,
            "build_type": BUILD_TYPE,
            "configure": CONFIGURE_OPTIONS,
            "faults_file": os.path.abspath(faults_path),
            "complete": complete,
            "faults": len(results),
            "ran": len(ran),
            "caught": sum(1 for r in ran if r["result"] == "caught"),
            "broken": [r["id"] for r in results if r["result"] == "broken"],
            "survived": [r["id"] for r in ran if r["result"] == "survived"],
            "unfaulted_suite_seconds": round(baseline, 1),
            "seconds": round(time.monotonic() - started, 1),
            "final_check_failures": final,
            "results": results,
        }
        with open(out_path, "w", encoding="utf-8") as f:
            json.dump(data, f, indent=1, ensure_ascii=False)
            f.write("\n")

    try:
        try:
            head = tree.create(reuse)
            created = True
            log("scratch copy of %s at %s" % (head[:10], path))
            tree.configure()
            log("building (%s, -j%d)" % (BUILD_TYPE, args.jobs))
            built, out, seconds = tree.make()
            if not built:
                log("the unfaulted copy does not build:\n" + out[-4000:])
                return 2
            tree.find_tests()
            log("built in %.0f s; tests: %s" % (seconds, ", ".join(sorted(tree.tests))))
            baseline, failures = tree.ctest()
            if failures:
                log("the unfaulted suite fails, so faults cannot be measured: %s"
                    % caught_by({"failed_tests": failures}))
                return 2
            log("unfaulted suite passes (%.0f s)" % baseline)
        except RuntimeError as e:
            log(str(e))
            return 2

        for i, fault in enumerate(faults, 1):
            t0 = time.monotonic()
            result = apply_and_check(tree, fault)
            results.append(result)
            verdict = result["result"]
            if verdict == "caught":
                verdict += " by " + caught_by(result, 160, compact=True)
            elif verdict == "broken":
                verdict += ": " + result.get("reason", "")
            log("[%d/%d] %s: %s (%.0f s)" % (i, len(faults), fault["id"], verdict, time.monotonic() - t0))
            write_json(baseline)

        final = None
        if not args.no_final_check and faults:
            built, out, _ = tree.make()
            if built:
                _, final_failures = tree.ctest()
                final = final_failures or {}
            else:
                final = {"(build)": {"status": "the restored copy does not build", "functions": []}}
        write_json(baseline, final, complete=True)
        print_report(results, head, time.monotonic() - started, baseline, final)
        print("results written to %s" % out_path)
        return 0
    except KeyboardInterrupt:
        log("interrupted; partial results are in %s" % out_path)
        return 130
    finally:
        if created and not args.keep and not args.workdir:
            tree.remove()
        if temp and not args.keep:
            shutil.rmtree(temp, ignore_errors=True)
        elif temp:
            log("kept the scratch copy in %s" % path)


if __name__ == "__main__":
    sys.exit(main())
