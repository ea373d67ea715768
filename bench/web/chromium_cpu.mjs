// CPU time of the Chromium processes a program started, from /proc: each
// process's user and system time in /proc/PID/stat (all its threads, those
// ended included), grouped by what Chromium says the process is in its
// --type= argument.
import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';

// The fields of /proc/PID/stat the benchmark needs. The command name is in
// parentheses and may itself hold spaces and parentheses, so the fields are
// counted from the last ')'.
export function parseStat(text) {
    const close = text.lastIndexOf(')');
    if (close < 0) throw new Error(`not a /proc stat line: ${text.slice(0, 40)}`);
    const fields = text.slice(close + 2).trim().split(' ');
    // After the name: state (field 3), ppid (4), ..., utime (14), stime (15).
    return {
        pid: Number(text.slice(0, text.indexOf(' '))),
        ppid: Number(fields[1]),
        ticks: Number(fields[11]) + Number(fields[12]),
    };
}

// What a Chromium process is, from its arguments: 'browser' (no --type),
// 'renderer', 'gpu', 'audio' (the audio service's utility process), or the
// type or utility service named.
export function processKind(args) {
    const value = (name) => args.find((arg) => arg.startsWith(`--${name}=`))?.slice(name.length + 3);
    const type = value('type');
    if (!type) return 'browser';
    if (type === 'gpu-process') return 'gpu';
    if (type !== 'utility') return type;
    const service = value('utility-sub-type') ?? 'utility';
    return service === 'audio.mojom.AudioService' ? 'audio' : service;
}

// A process's arguments from /proc/PID/cmdline. Chromium's child processes
// rewrite their title into one string of arguments joined by spaces, so
// spaces split them too (good enough for the switches looked at here).
export function commandArgs(cmdline) {
    return cmdline.split(/[\0 ]+/).filter(Boolean);
}

function readProc(pid, file) {
    try {
        return readFileSync(`/proc/${pid}/${file}`, 'utf8');
    } catch {
        return null; // gone meanwhile
    }
}

// Every live process under `root` (its descendants, not itself) whose
// program is Chromium: [{pid, kind}].
export function chromiumProcesses(root = process.pid) {
    const parents = new Map();
    for (const name of readdirSync('/proc')) {
        if (!/^\d+$/.test(name)) continue;
        const stat = readProc(name, 'stat');
        if (stat) parents.set(Number(name), parseStat(stat).ppid);
    }
    const under = (pid) => {
        for (let at = parents.get(pid); at; at = parents.get(at)) if (at === root) return true;
        return false;
    };
    const found = [];
    for (const pid of parents.keys()) {
        if (!under(pid)) continue;
        const args = commandArgs(readProc(pid, 'cmdline') ?? '');
        if (args.length && /chrom/.test(args[0])) found.push({ pid, kind: processKind(args) });
    }
    return found;
}

// Clock ticks a second, the unit of /proc/PID/stat's times.
export const kTicksPerSecond = Number(execFileSync('getconf', ['CLK_TCK'], { encoding: 'utf8' }));

// CPU ticks used so far by each of `processes`: Map pid -> ticks.
export function cpuTicks(processes) {
    const ticks = new Map();
    for (const { pid } of processes) {
        const stat = readProc(pid, 'stat');
        if (stat) ticks.set(pid, parseStat(stat).ticks);
    }
    return ticks;
}

// The share of one core (%) each kind of process used between two readings
// `seconds` apart. A process first seen in the later reading started
// meanwhile and counts from zero; one gone from it ended and is lost.
export function cpuShares(processes, before, after, seconds) {
    const shares = {};
    for (const { pid, kind } of processes) {
        if (!after.has(pid)) continue;
        const used = after.get(pid) - (before.get(pid) ?? 0);
        shares[kind] = (shares[kind] ?? 0) + (100 * used) / kTicksPerSecond / seconds;
    }
    return shares;
}
