fn pick(xs: &[u32], lo: u32, hi: u32) -> Option<u32> {
    let mut best: Option<u32> = None;
    for &x in xs {
        if x >= lo && x <= hi || x == 0 {
            best = Some(x.max(best.unwrap_or(0)));
        }
    }
    best
}
// MAC 3c:22:fb:0e:91:7a, build 1.0.3-rc2
