// CPU time of the Chromium processes a program started, from /proc: each
// process's user and system time in /proc/PID/stat (all its threads, those
// ended included), grouped by what Chromium says the process is in its
// --type= argument, and each thread's, grouped by its name.
import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';

// The fields of /proc/PID/stat (or /proc/PID/task/TID/stat) the benchmark
// needs. The command name is in
// parentheses and may itself hold spaces and parentheses, so the fields are
// counted from the last ')'.
export function parseStat(text) {
    const close = text.lastIndexOf(')');
    if (close < 0) throw new Error(`not a /proc stat line: ${text.slice(0, 40)}`);
    const fields = text.slice(close + 2).trim().split(' ');
    // After the name: state (field 3), ppid (4), ..., utime (14), stime (15).
    return {
        pid: Number(text.slice(0, text.indexOf(' '))),
        name: text.slice(text.indexOf('(') + 1, close),
        ppid: Number(fields[1]),
        ticks: Number(fields[11]) + Number(fields[12]),
    };
}

// What a Chromium process is, from its arguments: 'browser' (no --type),
// 'renderer', 'webui' (the renderer of Chromium's own pages), 'gpu', 'audio'
// (the audio service's utility process), or the type or utility service
// named.
export function processKind(args) {
    const value = (name) => args.find((arg) => arg.startsWith(`--${name}=`))?.slice(name.length + 3);
    const type = value('type');
    if (!type) return 'browser';
    if (type === 'gpu-process') return 'gpu';
    // The renderer of Chromium's own pages, not of the page measured.
    if (type === 'renderer' && args.includes('--top-chrome-webui')) return 'webui';
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

function tasks(pid) {
    try {
        return readdirSync(`/proc/${pid}/task`);
    } catch {
        return [];
    }
}

// CPU ticks used so far by each of `processes` (keyed by pid, grouped by
// kind) and by each of their threads (keyed by pid/tid, grouped by kind and
// thread name, 'main' for the main thread): {processes, threads}, each a
// Map key -> {group, ticks}.
export function cpuReading(processes) {
    const reading = { processes: new Map(), threads: new Map() };
    for (const { pid, kind } of processes) {
        const stat = readProc(pid, 'stat');
        if (!stat) continue;
        reading.processes.set(`${pid}`, { group: kind, ticks: parseStat(stat).ticks });
        for (const tid of tasks(pid)) {
            const line = readProc(pid, `task/${tid}/stat`);
            if (!line) continue;
            const { name, ticks } = parseStat(line);
            const thread = Number(tid) === pid ? 'main' : name;
            reading.threads.set(`${pid}/${tid}`, { group: `${kind}: ${thread}`, ticks });
        }
    }
    return reading;
}

// The share of one core (%) each group used between two readings `seconds`
// apart. What was first seen in the later reading started meanwhile and
// counts from zero; what is gone from it ended and is lost (a process's own
// figure keeps its ended threads' time).
export function cpuShares(before, after, seconds) {
    const shares = {};
    for (const [key, { group, ticks }] of after) {
        const used = ticks - (before.get(key)?.ticks ?? 0);
        shares[group] = (shares[group] ?? 0) + (100 * used) / kTicksPerSecond / seconds;
    }
    return shares;
}
