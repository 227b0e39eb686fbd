fn lookup(table: &[u32], key: u32) -> Option<usize> {
    let mut lo = 0;
    let mut hi = table.len();
    while lo < hi {
        let mid = lo + (hi - lo) / 2;
        if table[mid] == key { return Some(mid); }
        if table[mid] < key { lo = mid + 1; } else { hi = mid; }
    }
    None
}
