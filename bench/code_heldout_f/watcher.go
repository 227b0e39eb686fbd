func (w *Watcher) poll(ctx context.Context, every time.Duration) error {
    tick := time.NewTicker(every)
    defer tick.Stop()
    for {
        select {
        case <-ctx.Done():
            return ctx.Err()
        case t := <-tick.C:
            if n, err := w.scan(t); err != nil && n >= 0 {
                log.Printf("scan %d: %.2fs: %v", n, w.lag(t), err)
            }
