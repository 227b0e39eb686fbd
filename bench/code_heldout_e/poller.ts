interface PollOptions { intervalMs?: number; tries?: number }
export async function poll<T>(url: string, o: PollOptions = {}) {
  const every = o.intervalMs ?? 1500, tries = o.tries ?? 8;
  for (let i = 1; i <= tries; i++) {
    const res = await fetch(`${url}?attempt=${i}&t=${Date.now()}`);
    if (res.status === 200) return (await res.json()) as T;
    if (res.status >= 500 && i !== tries) await sleep(every * 2 ** i);
    else if (res.status !== 202) throw new Error(`HTTP ${res.status}`);
  }
  throw new Error(`gave up after ${tries} tries (${every / 1000}s)`);
}
